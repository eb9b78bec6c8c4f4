<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>holdem::ui::ActionPanel</name>
    <message>
        <source>Call</source>
        <translation>Mitgehen</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Bet It</source>
        <translation>Betrag setzen</translation>
    </message>
    <message>
        <source>Sit Out</source>
        <translation>Aussetzen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>½ Pot</source>
        <translation>½ Pot</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>All in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Raise to</source>
        <translation>Erhöhen auf</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Setzen</translation>
    </message>
</context>
<context>
    <name>holdem::ui::EquityCalculatorWindow</name>
    <message>
        <source>Equity calculator</source>
        <translation>Equity-Rechner</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Teilung</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Equity</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>random, a hand (AhKh) or a range (QQ+, AKs, AJo+)</source>
        <translation>random, eine Hand (AhKh) oder ein Bereich (QQ+, AKs, AJo+)</translation>
    </message>
    <message>
        <source>Player %1&apos;s hands</source>
        <translation>Hände von Spieler %1</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Player %1&apos;s range on the grid</source>
        <translation>Bereich von Spieler %1 im Raster</translation>
    </message>
    <message>
        <source>none, or three to five cards: Kc 8h 3d</source>
        <translation>keine, oder drei bis fünf Karten: Kc 8h 3d</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>cards out of the deck: 2s 7c</source>
        <translation>Karten aus dem Spiel: 2s 7c</translation>
    </message>
    <message>
        <source>Dead cards</source>
        <translation>Tote Karten</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Remove a player</source>
        <translation>Spieler entfernen</translation>
    </message>
    <message>
        <source>Player %1&apos;s range</source>
        <translation>Bereich von Spieler %1</translation>
    </message>
    <message>
        <source>Player %1 has no hands</source>
        <translation>Spieler %1 hat keine Hände</translation>
    </message>
    <message>
        <source>Working it out…</source>
        <translation>Wird berechnet…</translation>
    </message>
    <message>
        <source>Exact: every one of %1 deals</source>
        <translation>Exakt: alle %1 Verteilungen</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HandsViewer</name>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>The hand&apos;s log</source>
        <translation>Das Protokoll der Hand</translation>
    </message>
    <message>
        <source>« First</source>
        <translation>« Anfang</translation>
    </message>
    <message>
        <source>‹ Back</source>
        <translation>‹ Zurück</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Forward ›</source>
        <translation>Weiter ›</translation>
    </message>
    <message>
        <source>Last »</source>
        <translation>Ende »</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Your cards</source>
        <translation>Ihre Karten</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Won or lost</source>
        <translation>Gewonnen oder verloren</translation>
    </message>
    <message>
        <source>Reading the hands…</source>
        <translation>Die Hände werden gelesen…</translation>
    </message>
    <message>
        <source>This tournament&apos;s hands were kept as a history only.</source>
        <translation>Die Hände dieses Turniers sind nur als Verlauf erhalten.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Classic (the game&apos;s own betting)</source>
        <translation>Klassisch (die eigenen Setzregeln des Spiels)</translation>
    </message>
    <message>
        <source>Standard (no-limit hold&apos;em: every raise answered, side pots)</source>
        <translation>Standard (No-Limit Hold&apos;em: jede Erhöhung beantwortet, Nebentöpfe)</translation>
    </message>
    <message>
        <source>Classic (1.5 s a seat, 5 s at the showdown)</source>
        <translation>Klassisch (1,5 s je Platz, 5 s beim Showdown)</translation>
    </message>
    <message>
        <source>Quick (0.5 s a seat, 2.5 s at the showdown)</source>
        <translation>Zügig (0,5 s je Platz, 2,5 s beim Showdown)</translation>
    </message>
    <message>
        <source>Fast (0.15 s a seat, 1.5 s at the showdown)</source>
        <translation>Schnell (0,15 s je Platz, 1,5 s beim Showdown)</translation>
    </message>
    <message>
        <source>Hurry when I&apos;m out of the hand</source>
        <translation>Beeilen, wenn ich nicht mehr in der Hand bin</translation>
    </message>
    <message>
        <source>Classic (every 31 ticks of the clock)</source>
        <translation>Klassisch (alle 31 Takte der Uhr)</translation>
    </message>
    <message>
        <source>By hands (every 10 hands)</source>
        <translation>Nach Händen (alle 10 Hände)</translation>
    </message>
    <message>
        <source>Classic (the game&apos;s own reading)</source>
        <translation>Klassisch (die eigene Wertung des Spiels)</translation>
    </message>
    <message>
        <source>Standard (best five cards, with kickers)</source>
        <translation>Standard (die besten fünf Karten, mit Beikarten)</translation>
    </message>
    <message>
        <source>All-seeing (they know every hand and the board)</source>
        <translation>Allsehend (sie kennen jede Hand und das Board)</translation>
    </message>
    <message>
        <source>Fair (they know their own cards and the board shown)</source>
        <translation>Fair (sie kennen ihre eigenen Karten und das offene Board)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Easy (they make real mistakes)</source>
        <translation>Leicht (sie machen echte Fehler)</translation>
    </message>
    <message>
        <source>Hard (they read your actions and balance their bluffs)</source>
        <translation>Schwer (sie lesen Ihre Aktionen und dosieren ihre Bluffs)</translation>
    </message>
    <message>
        <source>Classic clock (the classic field and blinds)</source>
        <translation>Klassische Uhr (das klassische Feld und die Blinds)</translation>
    </message>
    <message>
        <source>Regular (20,000 chips, levels of 12 hands, antes)</source>
        <translation>Regulär (20.000 Chips, Stufen zu 12 Händen, Antes)</translation>
    </message>
    <message>
        <source>Turbo (10,000 chips, levels of 7 hands)</source>
        <translation>Turbo (10.000 Chips, Stufen zu 7 Händen)</translation>
    </message>
    <message>
        <source>Hyper-turbo (5,000 chips, levels of 4 hands)</source>
        <translation>Hyper-Turbo (5.000 Chips, Stufen zu 4 Händen)</translation>
    </message>
    <message>
        <source>Deep (50,000 chips, levels of 15 hands)</source>
        <translation>Deep (50.000 Chips, Stufen zu 15 Händen)</translation>
    </message>
    <message>
        <source>10 (a sit-and-go)</source>
        <translation>10 (ein Sit-and-Go)</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>1,000</source>
        <translation>1.000</translation>
    </message>
    <message>
        <source>5,000</source>
        <translation>5.000</translation>
    </message>
    <message>
        <source>Show my chances, the pot odds and the outs (an estimate)</source>
        <translation>Meine Chancen, die Pot Odds und die Outs zeigen (geschätzt)</translation>
    </message>
    <message>
        <source>Say what a strong player would do, at every turn (H asks once)</source>
        <translation>Bei jedem Zug sagen, was ein starker Spieler täte (H fragt einmal)</translation>
    </message>
    <message>
        <source>Table rules</source>
        <translation>Tischregeln</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Blind levels</source>
        <translation>Blindstufen</translation>
    </message>
    <message>
        <source>Hand ranking</source>
        <translation>Handwertung</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Struktur</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Odds helper</source>
        <translation>Chancenhilfe</translation>
    </message>
    <message>
        <source>Advisor</source>
        <translation>Berater</translation>
    </message>
    <message>
        <source>Two colours (hearts and diamonds red)</source>
        <translation>Zwei Farben (Herz und Karo rot)</translation>
    </message>
    <message>
        <source>Four colours (spades black, hearts red, diamonds blue, clubs green)</source>
        <translation>Vier Farben (Pik schwarz, Herz rot, Karo blau, Kreuz grün)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Lattice</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Larger text on the seat plates</source>
        <translation>Größere Schrift auf den Platzschildern</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Kartenspiel</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Filz</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Die Sprache des Systems</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Sprache (ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>The pace, the odds helper, the advisor and the appearance change at once. The table rules, the blind levels, the ranking, the opponents and the difficulty apply from the next tournament.</source>
        <translation>Tempo, Chancenhilfe, Berater und Aussehen ändern sich sofort. Tischregeln, Blindstufen, Wertung, Gegner und Schwierigkeit gelten ab dem nächsten Turnier.</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Neues Turnier</translation>
    </message>
    <message>
        <source>The new tournament starts with these choices, and they are kept for the ones after it.</source>
        <translation>Das neue Turnier beginnt mit diesen Einstellungen; sie bleiben für die folgenden erhalten.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>holdem::ui::RangeGrid</name>
    <message>
        <source>Range of starting hands</source>
        <translation>Bereich der Starthände</translation>
    </message>
    <message>
        <source>Click a kind of hand to take it in or out of the range</source>
        <translation>Eine Handart anklicken, um sie in den Bereich aufzunehmen oder herauszunehmen</translation>
    </message>
</context>
<context>
    <name>holdem::ui::ReviewWindow</name>
    <message>
        <source>Review</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>The costliest decisions</source>
        <translation>Die teuersten Entscheidungen</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Rat</translation>
    </message>
    <message>
        <source>&amp;Tournament</source>
        <translation>&amp;Turnier</translation>
    </message>
    <message>
        <source>No decisions yet: they are graded in tournaments under the standard rules.</source>
        <translation>Noch keine Entscheidungen: Sie werden in Turnieren nach den Standardregeln bewertet.</translation>
    </message>
    <message>
        <source>The results cannot be read: %1.</source>
        <translation>Die Ergebnisse können nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No decision of this tournament cost chips against the advice, up to its last hand played.</source>
        <translation>Keine Entscheidung dieses Turniers hat gegenüber dem Rat Chips gekostet, bis zu seiner letzten gespielten Hand.</translation>
    </message>
    <message>
        <source>The %1 costliest decisions; choose one to replay its hand there.</source>
        <translation>Die %1 teuersten Entscheidungen; eine wählen, um ihre Hand dort wiederzugeben.</translation>
    </message>
    <message>
        <source> · finished %1</source>
        <translation> · beendet auf Platz %1</translation>
    </message>
    <message>
        <source> · in play</source>
        <translation> · läuft</translation>
    </message>
</context>
<context>
    <name>holdem::ui::StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation>Rangliste</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Biggest stack</source>
        <translation>Größter Stapel</translation>
    </message>
    <message>
        <source>Chip leaders</source>
        <translation>Chipführende</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Auszahlungen</translation>
    </message>
    <message>
        <source>Tables: choose one to see its last hand</source>
        <translation>Tische: einen wählen, um seine letzte Hand zu sehen</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableView</name>
    <message>
        <source>You sit out from the next hand; this cannot be undone before then</source>
        <translation>Sie setzen ab der nächsten Hand aus; das lässt sich bis dahin nicht zurücknehmen</translation>
    </message>
    <message>
        <source>You play again from the next hand; this cannot be undone before then</source>
        <translation>Sie spielen ab der nächsten Hand wieder; das lässt sich bis dahin nicht zurücknehmen</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New tournament…</source>
        <translation>&amp;Neues Turnier…</translation>
    </message>
    <message>
        <source>&amp;Options…</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>&amp;Hands…</source>
        <translation>&amp;Hände…</translation>
    </message>
    <message>
        <source>Open hand histor&amp;y…</source>
        <translation>Hand&amp;verlauf öffnen…</translation>
    </message>
    <message>
        <source>Open hand history</source>
        <translation>Handverlauf öffnen</translation>
    </message>
    <message>
        <source>Hand histories (*.phh *.phhs)</source>
        <translation>Handverläufe (*.phh *.phhs)</translation>
    </message>
    <message>
        <source>Stan&amp;dings…</source>
        <translation>R&amp;angliste…</translation>
    </message>
    <message>
        <source>&amp;Review…</source>
        <translation>&amp;Rückblick…</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistik…</translation>
    </message>
    <message>
        <source>Open the hand histories&apos; &amp;folder</source>
        <translation>&amp;Ordner der Handverläufe öffnen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Klang</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Hand &amp;log</source>
        <translation>Hand&amp;protokoll</translation>
    </message>
    <message>
        <source>&amp;Statistics on the table</source>
        <translation>&amp;Statistik am Tisch</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Equity calculator…</source>
        <translation>&amp;Equity-Rechner…</translation>
    </message>
    <message>
        <source>&amp;Advise me</source>
        <translation>&amp;Rat geben</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableWords</name>
    <message>
        <source>Fold</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Mitgehen %1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Setzen %1</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation>Erhöhen %1</translation>
    </message>
    <message>
        <source>All in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Small blind %1</source>
        <translation>Small Blind %1</translation>
    </message>
    <message>
        <source>Big blind %1</source>
        <translation>Big Blind %1</translation>
    </message>
    <message>
        <source>Ante %1</source>
        <translation>Ante %1</translation>
    </message>
    <message>
        <source>Pot %1</source>
        <translation>Pot %1</translation>
    </message>
    <message>
        <source>Main pot %1</source>
        <translation>Hauptpot %1</translation>
    </message>
    <message>
        <source>Side pot %1</source>
        <translation>Nebentopf %1</translation>
    </message>
    <message>
        <source>bet %1 … %2, then Enter</source>
        <translation>%1 … %2 setzen, dann Enter</translation>
    </message>
    <message>
        <source>raise to %1 … %2, then Enter</source>
        <translation>auf %1 … %2 erhöhen, dann Enter</translation>
    </message>
    <message>
        <source>bet %1, then Enter</source>
        <translation>%1 setzen, dann Enter</translation>
    </message>
    <message>
        <source>raise to %1, then Enter</source>
        <translation>auf %1 erhöhen, dann Enter</translation>
    </message>
    <message>
        <source>no raise: you may call or fold</source>
        <translation>keine Erhöhung: mitgehen oder passen</translation>
    </message>
    <message>
        <source>Level %1: %2 ante %3</source>
        <translation>Stufe %1: %2 Ante %3</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation>Tisch %1</translation>
    </message>
    <message>
        <source>Next %1 ante %2 in %3 hands</source>
        <translation>Als Nächstes %1 Ante %2 in %3 Händen</translation>
    </message>
    <message>
        <source>Next %1 in %2 hands</source>
        <translation>Als Nächstes %1 in %2 Händen</translation>
    </message>
    <message>
        <source>Rank %1 of %2</source>
        <translation>Rang %1 von %2</translation>
    </message>
    <message>
        <source>Average %1</source>
        <translation>Durchschnitt %1</translation>
    </message>
    <message>
        <source>You %1 BB</source>
        <translation>Sie %1 BB</translation>
    </message>
    <message>
        <source>%1 paid</source>
        <translation>%1 bezahlt</translation>
    </message>
    <message>
        <source>hand for hand</source>
        <translation>Hand für Hand</translation>
    </message>
    <message>
        <source>final table</source>
        <translation>Finaltisch</translation>
    </message>
    <message>
        <source>Limits Go Up in mins %1 : %2 sec</source>
        <translation>Limits steigen in min %1 : %2 s</translation>
    </message>
    <message>
        <source>Limits %1 - %2</source>
        <translation>Limits %1 - %2</translation>
    </message>
    <message>
        <source>Limits go up in %1 hands</source>
        <translation>Limits steigen in %1 Händen</translation>
    </message>
    <message>
        <source>Your Rank is %1</source>
        <translation>Ihr Rang ist %1</translation>
    </message>
    <message>
        <source>You fold</source>
        <translation>Sie passen</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 passt</translation>
    </message>
    <message>
        <source>You check</source>
        <translation>Sie schieben</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 schiebt</translation>
    </message>
    <message>
        <source>You call %1</source>
        <translation>Sie gehen mit %1</translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation>%1 geht mit %2</translation>
    </message>
    <message>
        <source>You bet %1</source>
        <translation>Sie setzen %1</translation>
    </message>
    <message>
        <source>%1 bets %2</source>
        <translation>%1 setzt %2</translation>
    </message>
    <message>
        <source>You raise to %1</source>
        <translation>Sie erhöhen auf %1</translation>
    </message>
    <message>
        <source>%1 raises to %2</source>
        <translation>%1 erhöht auf %2</translation>
    </message>
    <message>
        <source>You raise %1 to %2</source>
        <translation>Sie erhöhen um %1 auf %2</translation>
    </message>
    <message>
        <source>%1 raises %2 to %3</source>
        <translation>%1 erhöht um %2 auf %3</translation>
    </message>
    <message>
        <source>You go all in with %1</source>
        <translation>Sie gehen all-in mit %1</translation>
    </message>
    <message>
        <source>%1 goes all in with %2</source>
        <translation>%1 geht all-in mit %2</translation>
    </message>
    <message>
        <source>You post the ante %1</source>
        <translation>Sie zahlen die Ante %1</translation>
    </message>
    <message>
        <source>%1 posts the ante %2</source>
        <translation>%1 zahlt die Ante %2</translation>
    </message>
    <message>
        <source>You post the small blind %1</source>
        <translation>Sie zahlen den Small Blind %1</translation>
    </message>
    <message>
        <source>%1 posts the small blind %2</source>
        <translation>%1 zahlt den Small Blind %2</translation>
    </message>
    <message>
        <source>You post the big blind %1</source>
        <translation>Sie zahlen den Big Blind %1</translation>
    </message>
    <message>
        <source>%1 posts the big blind %2</source>
        <translation>%1 zahlt den Big Blind %2</translation>
    </message>
    <message>
        <source>You muck</source>
        <translation>Sie werfen weg</translation>
    </message>
    <message>
        <source>%1 mucks</source>
        <translation>%1 wirft weg</translation>
    </message>
    <message>
        <source>You show %1 (%2)</source>
        <translation>Sie zeigen %1 (%2)</translation>
    </message>
    <message>
        <source>%1 shows %2 (%3)</source>
        <translation>%1 zeigt %2 (%3)</translation>
    </message>
    <message>
        <source>%1 collected %2 from pot with %3</source>
        <translation>%1 gewinnt %2 aus dem Pot mit %3</translation>
    </message>
    <message>
        <source>%1 collected %2 from pot</source>
        <translation>%1 gewinnt %2 aus dem Pot</translation>
    </message>
    <message>
        <source>Uncalled bet (%1) returned to %2</source>
        <translation>Nicht gehaltener Einsatz (%1) zurück an %2</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2, You deal</source>
        <translation>--- Hand %1 --- Blinds %2, Sie geben</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2, %3 deals</source>
        <translation>--- Hand %1 --- Blinds %2, %3 gibt</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2</source>
        <translation>--- Hand %1 --- Blinds %2</translation>
    </message>
    <message>
        <source>*** FLOP *** %1</source>
        <translation>*** FLOP *** %1</translation>
    </message>
    <message>
        <source>*** TURN *** %1</source>
        <translation>*** TURN *** %1</translation>
    </message>
    <message>
        <source>*** RIVER *** %1</source>
        <translation>*** RIVER *** %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source> and is all in</source>
        <translation> und ist all-in</translation>
    </message>
    <message>
        <source> and are all in</source>
        <translation> und sind all-in</translation>
    </message>
    <message>
        <source>You collected %1 from pot with %2</source>
        <translation>Sie gewinnen %1 aus dem Pot mit %2</translation>
    </message>
    <message>
        <source>You collected %1 from pot</source>
        <translation>Sie gewinnen %1 aus dem Pot</translation>
    </message>
</context>
</TS>
