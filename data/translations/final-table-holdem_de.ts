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
    <message>
        <source>Player %1: %2</source>
        <translation>Spieler %1: %2</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Das Board</translation>
    </message>
    <message>
        <source>The dead cards</source>
        <translation>Die toten Karten</translation>
    </message>
    <message>
        <source>Working: </source>
        <translation>In Arbeit: </translation>
    </message>
    <message>
        <source>%1 deals sampled · standard error ±%2 points</source>
        <translation>%1 Deals gezogen · Standardfehler ±%2 Punkte</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HandLogView</name>
    <message>
        <source>Hand log</source>
        <translation>Handprotokoll</translation>
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
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Die Datei lässt sich nicht öffnen: %1.</translation>
    </message>
    <message>
        <source>The file is larger than the %1 MB a hand history may be.</source>
        <translation>Die Datei ist größer als die %1 MB, die ein Handverlauf haben darf.</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 Hand</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 Hände</translation>
    </message>
    <message>
        <source>; only the first %1 hands are read</source>
        <translation>; nur die ersten %1 Hände werden gelesen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>even</source>
        <translation>ausgeglichen</translation>
    </message>
    <message>
        <source>The hands cannot be read: %1.</source>
        <translation>Die Hände lassen sich nicht lesen: %1.</translation>
    </message>
    <message>
        <source>, from the first %1 MB of the file; the rest is not read</source>
        <translation>, aus den ersten %1 MB der Datei; der Rest wird nicht gelesen</translation>
    </message>
    <message>
        <source>; 1 line is no hand record and was left out</source>
        <translation>; 1 Zeile ist kein Handdatensatz und wurde ausgelassen</translation>
    </message>
    <message>
        <source>; %1 lines are no hand record and were left out</source>
        <translation>; %1 Zeilen sind keine Handdatensätze und wurden ausgelassen</translation>
    </message>
    <message>
        <source> (history only)</source>
        <translation> (nur Verlauf)</translation>
    </message>
    <message>
        <source>Hand %1 cannot be replayed: %2</source>
        <translation>Hand %1 lässt sich nicht nachspielen: %2</translation>
    </message>
    <message>
        <source>This hand&apos;s record cannot be read: it is not one the game writes.</source>
        <translation>Der Datensatz dieser Hand lässt sich nicht lesen: das Spiel schreibt keinen solchen.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HistoryFile</name>
    <message>
        <source>Hand history not written (%1): %2</source>
        <translation>Handverlauf nicht geschrieben (%1): %2</translation>
    </message>
</context>
<context>
    <name>holdem::ui::Notices</name>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;
&lt;p&gt;You sit at the bottom of a ten-seat table against nine computer players, in a tournament of
1000 entrants. When the turn comes to you the action panel opens and the clock waits for you.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Spielanleitung&lt;/h2&gt;
&lt;p&gt;Sie sitzen unten an einem Tisch mit zehn Plätzen gegen neun Computerspieler, in einem Turnier mit
1.000 Teilnehmern. Sind Sie an der Reihe, öffnet sich das Aktionsfeld, und die Uhr wartet auf Sie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Buttons and keys&lt;/h3&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Call&lt;/b&gt; / &lt;b&gt;Check&lt;/b&gt; &amp;nbsp; C&lt;/td&gt;&lt;td&gt;match the bet, or pass when there is nothing to call&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Raise&lt;/b&gt; &amp;nbsp; R&lt;/td&gt;&lt;td&gt;the amount to call plus two blind units (the button shows the total)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Fold&lt;/b&gt; &amp;nbsp; F&lt;/td&gt;&lt;td&gt;give up the hand&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Bet It&lt;/b&gt; &amp;nbsp; B, then Enter&lt;/td&gt;&lt;td&gt;the amount to call plus the amount typed in the box; the typed amount must be at least a standard raise&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Sit Out&lt;/b&gt; &amp;nbsp; S&lt;/td&gt;&lt;td&gt;sit out from the next hand (red while asked); a request holds until that hand&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Exit&lt;/b&gt;&lt;/td&gt;&lt;td&gt;leave the tournament; your rank is final&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;When your turn opens, Return or Space calls (or checks). Escape leaves the amount box.
M turns the sound on or off, L shows or hides the hand log. Any other key does nothing.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Knöpfe und Tasten&lt;/h3&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Mitgehen&lt;/b&gt; / &lt;b&gt;Schieben&lt;/b&gt; &amp;nbsp; C&lt;/td&gt;&lt;td&gt;den Einsatz bringen, oder schieben, wenn nichts zu bringen ist&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Erhöhen&lt;/b&gt; &amp;nbsp; R&lt;/td&gt;&lt;td&gt;der Betrag zum Mitgehen plus zwei Blind-Einheiten (der Knopf zeigt die Summe)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Passen&lt;/b&gt; &amp;nbsp; F&lt;/td&gt;&lt;td&gt;die Hand aufgeben&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Betrag setzen&lt;/b&gt; &amp;nbsp; B, dann Enter&lt;/td&gt;&lt;td&gt;der Betrag zum Mitgehen plus der im Feld eingegebene Betrag; der eingegebene Betrag muss mindestens eine Standarderhöhung sein&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Aussetzen&lt;/b&gt; &amp;nbsp; S&lt;/td&gt;&lt;td&gt;ab der nächsten Hand aussetzen (rot, solange gewünscht); ein Wunsch gilt bis zu dieser Hand&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Verlassen&lt;/b&gt;&lt;/td&gt;&lt;td&gt;das Turnier verlassen; Ihr Rang ist endgültig&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Wenn Sie an der Reihe sind, geht Return oder die Leertaste mit (oder schiebt). Escape verlässt das
Betragsfeld. M schaltet den Ton ein oder aus, L zeigt oder verbirgt das Handprotokoll. Jede andere
Taste tut nichts.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The classic game&lt;/h3&gt;
&lt;p&gt;Every seat posts its blinds in turn from the dealer button; the betting goes round the table
seat by seat, and the flop, the turn and the river are shown when the round reaches its closing
seat. At the showdown the best hand at the table takes the pot, shared when hands tie. The
blinds rise on the clock shown at the right; broke computer seats are refilled from the field
until it runs out. The tournament ends when you have no chips left, or when you are the last
entrant standing.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Das klassische Spiel&lt;/h3&gt;
&lt;p&gt;Jeder Platz bringt seine Blinds der Reihe nach vom Dealer-Button aus; die Setzrunde geht Platz für
Platz um den Tisch, und Flop, Turn und River werden aufgedeckt, wenn die Runde ihren letzten Platz
erreicht. Im Showdown nimmt die beste Hand am Tisch den Pot, geteilt bei gleichen Händen. Die Blinds
steigen nach der Uhr rechts; pleite Computerplätze werden aus dem Feld neu besetzt, bis es erschöpft
ist. Das Turnier endet, wenn Sie keine Chips mehr haben oder als letzter Teilnehmer übrig sind.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The standard rules&lt;/h3&gt;
&lt;p&gt;No-limit hold&apos;em as poker rooms play it. The button moves one seat a hand; the small blind
sits left of it and the big blind next (heads-up the button posts the small blind). Before the
flop the seat left of the big blind acts first, and the big blind may still raise a called pot;
after the flop the first seat left of the button. Raise at least by the last full raise, any
amount up to all in; a short all-in does not reopen the betting. A bet nobody called goes back,
and each main and side pot goes to the best hand that put in for it. Your panel offers Fold,
Check or Call, &lt;b&gt;Raise to&lt;/b&gt; the least raise (&lt;b&gt;Bet&lt;/b&gt; when nothing is bet), and ½ Pot, Pot
and All in, which put their total into the amount box: type the total to raise to and press
Enter.&lt;/p&gt;
&lt;p&gt;The computer players there each have a style (tight or loose, passive or aggressive): point
at a seat to see it. They know only their own cards, the board and what everybody did.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Die Standardregeln&lt;/h3&gt;
&lt;p&gt;No-Limit Hold&apos;em, wie es Pokerräume spielen. Der Button rückt jede Hand einen Platz weiter; die
Small Blind sitzt links von ihm und die Big Blind daneben (zu zweit bringt der Button die Small
Blind). Vor dem Flop handelt der Platz links der Big Blind zuerst, und die Big Blind darf einen
mitgegangenen Pot noch erhöhen; nach dem Flop der erste Platz links vom Button. Erhöht wird
mindestens um die letzte volle Erhöhung, um jeden Betrag bis All-in; ein kurzes All-in öffnet die
Setzrunde nicht wieder. Ein Einsatz, den niemand hält, geht zurück, und jeder Haupt- und Nebenpot
geht an die beste Hand, die in ihn eingezahlt hat. Ihr Feld bietet Passen, Schieben oder Mitgehen,
&lt;b&gt;Erhöhen auf&lt;/b&gt; die kleinste Erhöhung (&lt;b&gt;Setzen&lt;/b&gt;, wenn nichts gesetzt ist), sowie ½ Pot, Pot
und All-in, die ihre Summe ins Betragsfeld schreiben: geben Sie die Summe ein, auf die Sie erhöhen,
und drücken Sie Enter.&lt;/p&gt;
&lt;p&gt;Die Computerspieler dort haben jeder einen Stil (tight oder loose, passiv oder aggressiv): zeigen
Sie auf einen Platz, um ihn zu sehen. Sie kennen nur ihre eigenen Karten, das Board und was jeder
getan hat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;A tournament of the whole field&lt;/h3&gt;
&lt;p&gt;Game › New tournament… (Ctrl+N) sets up the next tournament: rules, difficulty, pace,
structure and field (10 as a sit-and-go, 100, 1,000 or 5,000 entrants); the tournament in play
is given up only when you agree, and its place is final. Under a structure every table of the
field plays a hand for each hand at yours; tables are broken and balanced as tournament
directors do, and when yours breaks you move with your stack. The news is announced across the
felt: your move, the money bubble (the field plays hand for hand), the bubble burst and the
final table of the last ten.&lt;/p&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Regular&lt;/b&gt;&lt;/td&gt;&lt;td&gt;20,000 chips, 12 hands a level, 50/100 then 75/150, the big-blind ante from 100/200 on&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Turbo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;10,000 chips, 7 hands a level, the ante from 75/150&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Hyper-turbo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;5,000 chips, 4 hands a level, as Turbo&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Deep&lt;/b&gt;&lt;/td&gt;&lt;td&gt;50,000 chips, 15 hands a level, as Regular&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Classic clock&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the classic game&apos;s field counter, refills and blinds&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;The big blind posts the ante before its blind; the ante is dead money in the main pot. About
15 % of the field is paid from buy-ins of 100 (play money), every cash at least 150. The panel
shows the level, the blinds and ante, the next level and the hands until it, your table, your
chip rank among the players left, the average, your stack in big blinds and the places paid.
Game › Standings… (Ctrl+T) shows the chip leaders, the payouts with the bubble and every table;
choose a table to see its last hand. View › Statistics on the table shows each opponent&apos;s
VPIP, PFR, 3-bets and aggression from what you have seen. Tools › Equity calculator… works out the equity of hands
and ranges (typed as &quot;QQ+, AKs, AJo+, 76s&quot; or clicked on the grid) with a board and dead
cards.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ein Turnier des ganzen Feldes&lt;/h3&gt;
&lt;p&gt;Spiel › Neues Turnier… (Strg+N) richtet das nächste Turnier ein: Regeln, Schwierigkeit, Tempo,
Struktur und Feld (10 als Sit-and-go, 100, 1.000 oder 5.000 Teilnehmer); das laufende Turnier wird
nur aufgegeben, wenn Sie zustimmen, und sein Platz ist endgültig. Unter einer Struktur spielt jeder
Tisch des Feldes eine Hand für jede Hand an Ihrem; Tische werden aufgelöst und ausgeglichen, wie es
Turnierleiter tun, und wird Ihrer aufgelöst, ziehen Sie mit Ihrem Stack um. Die Neuigkeiten stehen
quer über dem Filz: Ihr Umzug, die Bubble (das Feld spielt Hand für Hand), die geplatzte Bubble und
der Finaltisch der letzten zehn.&lt;/p&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Regulär&lt;/b&gt;&lt;/td&gt;&lt;td&gt;20.000 Chips, 12 Hände je Stufe, 50/100, dann 75/150, die Big-Blind-Ante ab 100/200&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Turbo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;10.000 Chips, 7 Hände je Stufe, die Ante ab 75/150&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Hyper-Turbo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;5.000 Chips, 4 Hände je Stufe, wie Turbo&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tief&lt;/b&gt;&lt;/td&gt;&lt;td&gt;50.000 Chips, 15 Hände je Stufe, wie Regulär&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Klassische Uhr&lt;/b&gt;&lt;/td&gt;&lt;td&gt;der Feldzähler, die Nachbesetzungen und die Blinds des klassischen Spiels&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Die Big Blind bringt die Ante vor ihrer Blind; die Ante ist totes Geld im Hauptpot. Etwa 15 % des
Feldes werden aus Buy-ins von 100 (Spielgeld) bezahlt, jeder Preis mindestens 150. Das Feld zeigt die
Stufe, die Blinds und die Ante, die nächste Stufe und die Hände bis dahin, Ihren Tisch, Ihren
Chip-Rang unter den verbliebenen Spielern, den Durchschnitt, Ihren Stack in Big Blinds und die
bezahlten Plätze. Spiel › Rangliste… (Strg+T) zeigt die Chip-Führenden, die Auszahlungen mit der
Bubble und jeden Tisch; wählen Sie einen Tisch, um seine letzte Hand zu sehen. Ansicht › Statistik
am Tisch zeigt VPIP, PFR, 3-Bets und Aggression jedes Gegners, soweit Sie sie gesehen haben.
Werkzeuge › Equity-Rechner… berechnet die Equity von Händen und Ranges (eingegeben als
„QQ+, AKs, AJo+, 76s“ oder im Raster angeklickt) mit Board und toten Karten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The trainer&lt;/h3&gt;
&lt;p&gt;At your turn the key H (Tools › Advise me) asks the advisor what a strong player would do,
from what you can see: the move and its size, with the equity against the hands the opponents&apos;
actions suggest, the price, your stack in big blinds, your position and, near the money, what
the prizes add to a big risk. Options can have it advise at every turn. Each of your decisions
under the standard rules is graded against the advice by the chips it is expected to cost.
Game › Review… lists a tournament&apos;s costliest decisions; choose one to replay its hand at that
moment. Game › Statistics… shows your leaks: VPIP and PFR by position, raises given up to a
re-raise, calls the price did not pay for and the cost of your decisions street by street.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Der Trainer&lt;/h3&gt;
&lt;p&gt;Wenn Sie an der Reihe sind, fragt die Taste H (Werkzeuge › Rat geben) den Berater, was ein
starker Spieler täte, nach dem, was Sie sehen können: den Zug und seine Höhe, mit der Equity gegen
die Hände, die die Aktionen der Gegner nahelegen, dem Preis, Ihrem Stack in Big Blinds, Ihrer
Position und, nahe den Preisrängen, was die Preise einem großen Risiko hinzufügen. In den Optionen
kann er bei jedem Zug raten. Jede Ihrer Entscheidungen unter den Standardregeln wird am Rat gemessen,
nach den Chips, die sie voraussichtlich kostet. Spiel › Rückblick… listet die teuersten
Entscheidungen eines Turniers; wählen Sie eine, um ihre Hand an dieser Stelle nachzuspielen.
Spiel › Statistik… zeigt Ihre Lecks: VPIP und PFR nach Position, gegen eine Re-Raise aufgegebene
Erhöhungen, Calls, die der Preis nicht rechtfertigte, und die Kosten Ihrer Entscheidungen Straße
für Straße.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Options (Game › Options…)&lt;/h3&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Table rules&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the classic game, or the standard rules (with the standard ranking)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Difficulty&lt;/b&gt;&lt;/td&gt;&lt;td&gt;under the standard rules: Normal, Easy (the players make real mistakes) or Hard (they read your actions and balance their bluffs)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pace&lt;/b&gt;&lt;/td&gt;&lt;td&gt;how long each seat and the showdown take; &quot;Hurry when I&apos;m out of the hand&quot; plays the rest of a folded hand fast&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Blind levels&lt;/b&gt;&lt;/td&gt;&lt;td&gt;on the clock, or every 10 hands&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Hand ranking&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the game&apos;s own reading, or the best five of seven cards with kickers&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Opponents&lt;/b&gt;&lt;/td&gt;&lt;td&gt;all-seeing, or fair: they know only their own cards and the board shown&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Advisor&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the advisor&apos;s line at every turn of yours, beside the odds helper&apos;s&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Appearance&lt;/b&gt;&lt;/td&gt;&lt;td&gt;a two- or four-colour deck (spades black, hearts red, diamonds blue, clubs green), a green, blue or purple felt, lattice or ring card backs, and larger text on the seat plates&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;The pace, the helpers and the appearance change at once; the other options apply from the
next tournament. The tournament
is saved at the start of every hand and offered again when the game starts.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Optionen (Spiel › Optionen…)&lt;/h3&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tischregeln&lt;/b&gt;&lt;/td&gt;&lt;td&gt;das klassische Spiel oder die Standardregeln (mit der Standardwertung)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Schwierigkeit&lt;/b&gt;&lt;/td&gt;&lt;td&gt;unter den Standardregeln: Normal, Leicht (die Spieler machen echte Fehler) oder Schwer (sie lesen Ihre Aktionen und gleichen ihre Bluffs aus)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tempo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;wie lange jeder Platz und der Showdown dauern; „Beeilen, wenn ich nicht mehr in der Hand bin“ spielt den Rest einer gepassten Hand schnell&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Blindstufen&lt;/b&gt;&lt;/td&gt;&lt;td&gt;nach der Uhr oder alle 10 Hände&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Handwertung&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die eigene Lesart des Spiels oder die besten fünf von sieben Karten mit Kickern&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Gegner&lt;/b&gt;&lt;/td&gt;&lt;td&gt;allsehend oder fair: sie kennen nur ihre eigenen Karten und das aufgedeckte Board&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Berater&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die Zeile des Beraters bei jedem Ihrer Züge, neben der des Odds-Helfers&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Aussehen&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ein Deck mit zwei oder vier Farben (Pik schwarz, Herz rot, Karo blau, Kreuz grün), ein grüner, blauer oder violetter Filz, Kartenrücken mit Gitter oder Ring und größere Schrift auf den Platzschildern&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Tempo, Helfer und Aussehen ändern sich sofort; die anderen Optionen gelten ab dem nächsten
Turnier. Das Turnier wird zu Beginn jeder Hand gespeichert und beim Start des Spiels wieder
angeboten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Leave this tournament? Your rank is final.</source>
        <translation>Dieses Turnier verlassen? Ihr Rang ist endgültig.</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Bleiben</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Neues Turnier</translation>
    </message>
    <message>
        <source>Start a new tournament? The one in play ends here and your rank in it is final.</source>
        <translation>Ein neues Turnier beginnen? Das laufende endet hier, und Ihr Rang darin ist endgültig.</translation>
    </message>
    <message>
        <source>Start the new one</source>
        <translation>Das neue beginnen</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About Final Table Hold&apos;em</source>
        <translation>Über Final Table Hold&apos;em</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Final Table Hold&apos;em&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A single-player Texas hold&apos;em tournament.&lt;/p&gt;&lt;p&gt;Copyright © 2026 The Final Table Hold&apos;em developers, under the MIT License.&lt;/p&gt;&lt;p&gt;The text is set in DejaVu Sans, by the DejaVu fonts team, whose licence follows.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Final Table Hold&apos;em&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein Texas-Hold&apos;em-Turnier für einen Spieler.&lt;/p&gt;&lt;p&gt;Copyright © 2026 Die Entwickler von Final Table Hold&apos;em, unter der MIT-Lizenz.&lt;/p&gt;&lt;p&gt;Die Schrift ist DejaVu Sans vom DejaVu-Schriftenteam; ihre Lizenz folgt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The font&apos;s licence is installed with the game.</source>
        <translation>Die Lizenz der Schrift wird mit dem Spiel installiert.</translation>
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
    <name>holdem::ui::SavedGame</name>
    <message>
        <source>The saved tournament could not be resumed: %1. It was put aside as %2 and a new tournament starts.</source>
        <translation>Das gespeicherte Turnier ließ sich nicht fortsetzen: %1. Es wurde als %2 beiseitegelegt, und ein neues Turnier beginnt.</translation>
    </message>
    <message>
        <source>The saved tournament could not be resumed: %1. It could not be put aside either (%2); the new tournament&apos;s first save will replace it.</source>
        <translation>Das gespeicherte Turnier ließ sich nicht fortsetzen: %1. Es ließ sich auch nicht beiseitelegen (%2); die erste Speicherung des neuen Turniers ersetzt es.</translation>
    </message>
    <message>
        <source>Saved tournament: hand %1, %2 players left, your stack %3</source>
        <translation>Gespeichertes Turnier: Hand %1, noch %2 Spieler, Ihr Stack %3</translation>
    </message>
</context>
<context>
    <name>holdem::ui::SplashWindow</name>
    <message>
        <source>Multi Table Tournament Software</source>
        <translation>Software für Turniere an vielen Tischen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Optionen…</translation>
    </message>
    <message>
        <source>Resume tournament</source>
        <translation>Turnier fortsetzen</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Neues Turnier</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Klassisches Spiel</translation>
    </message>
    <message>
        <source>Standard tournament</source>
        <translation>Standardturnier</translation>
    </message>
    <message>
        <source>Choose the game: the classic game, or a standard no-limit tournament.</source>
        <translation>Wählen Sie das Spiel: das klassische Spiel oder ein No-Limit-Standardturnier.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::Spoken</name>
    <message>
        <source>%1 chips</source>
        <translation>%1 Chips</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>spielt %1</translation>
    </message>
    <message>
        <source>dealer</source>
        <translation>Dealer</translation>
    </message>
    <message>
        <source>to act</source>
        <translation>am Zug</translation>
    </message>
    <message>
        <source>folded</source>
        <translation>gepasst</translation>
    </message>
    <message>
        <source>check</source>
        <translation>schieben</translation>
    </message>
    <message>
        <source>fold</source>
        <translation>passen</translation>
    </message>
    <message>
        <source>all in</source>
        <translation>all-in</translation>
    </message>
    <message>
        <source>raise</source>
        <translation>erhöhen</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>setzen</translation>
    </message>
    <message>
        <source>call %1</source>
        <translation>mitgehen %1</translation>
    </message>
    <message>
        <source>raise to %1</source>
        <translation>erhöhen auf %1</translation>
    </message>
    <message>
        <source>raise %1</source>
        <translation>erhöht %1</translation>
    </message>
    <message>
        <source>bet %1</source>
        <translation>setzen %1</translation>
    </message>
    <message>
        <source>small blind %1</source>
        <translation>Small Blind %1</translation>
    </message>
    <message>
        <source>big blind %1</source>
        <translation>Big Blind %1</translation>
    </message>
    <message>
        <source>ante %1</source>
        <translation>Ante %1</translation>
    </message>
    <message>
        <source>cards %1</source>
        <translation>Karten %1</translation>
    </message>
    <message>
        <source>won %1</source>
        <translation>gewinnt %1</translation>
    </message>
    <message>
        <source>pot %1</source>
        <translation>Pot %1</translation>
    </message>
    <message>
        <source>you hold %1</source>
        <translation>Sie halten %1</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>Board %1</translation>
    </message>
    <message>
        <source>No cards on the board</source>
        <translation>Keine Karten auf dem Board</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Sie sind am Zug</translation>
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
    <message>
        <source> (yours)</source>
        <translation> (Ihrer)</translation>
    </message>
    <message>
        <source>Your own table: its hands are in the log and the Hands window.</source>
        <translation>Ihr eigener Tisch: seine Hände stehen im Protokoll und im Fenster Hände.</translation>
    </message>
    <message>
        <source>This table has not played a hand yet.</source>
        <translation>An diesem Tisch wurde noch keine Hand gespielt.</translation>
    </message>
    <message>
        <source>Table %1&apos;s last hand: the stacks after it and the cards shown down.</source>
        <translation>Die letzte Hand an Tisch %1: die Stacks danach und die aufgedeckten Karten.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::StatisticsDialog</name>
    <message>
        <source> · finished %1</source>
        <translation> · beendet als %1.</translation>
    </message>
    <message>
        <source> · in play</source>
        <translation> · läuft</translation>
    </message>
    <message>
        <source> · won %1</source>
        <translation> · gewonnen %1</translation>
    </message>
    <message>
        <source>button</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>small blind</source>
        <translation>Small Blind</translation>
    </message>
    <message>
        <source>big blind</source>
        <translation>Big Blind</translation>
    </message>
    <message>
        <source>%1 after the button</source>
        <translation>%1 nach dem Button</translation>
    </message>
    <message>
        <source>VPIP/PFR by position: %1</source>
        <translation>VPIP/PFR nach Position: %1</translation>
    </message>
    <message>
        <source>Raises before the flop given up to a re-raise: %1 of %2 (%3)</source>
        <translation>Erhöhungen vor dem Flop, gegen eine Re-Raise aufgegeben: %1 von %2 (%3)</translation>
    </message>
    <message>
        <source>Calls the price did not pay for: %1 of %2, about %3 chips</source>
        <translation>Calls, die der Preis nicht rechtfertigte: %1 von %2, etwa %3 Chips</translation>
    </message>
    <message>
        <source>%1 %2 decisions, about %3 chips</source>
        <translation>%1 %2 Entscheidungen, etwa %3 Chips</translation>
    </message>
    <message>
        <source>Cost of decisions against the advice: %1</source>
        <translation>Kosten der Entscheidungen gegen den Rat: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>All rules</source>
        <translation>Alle Regeln</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Regeln:</translation>
    </message>
    <message>
        <source>&amp;Tournament:</source>
        <translation>&amp;Turnier:</translation>
    </message>
    <message>
        <source>Reading the results…</source>
        <translation>Die Ergebnisse werden gelesen…</translation>
    </message>
    <message>
        <source> (%1 finished)</source>
        <translation> (%1 beendet)</translation>
    </message>
    <message>
        <source>Tournaments %1%2 · wins %3 · best finish %4 · mean finish %5
Hands %6 · VPIP %7 · PFR %8 · aggression %9 · showdowns won %10</source>
        <translation>Turniere %1%2 · Siege %3 · bester Platz %4 · mittlerer Platz %5
Hände %6 · VPIP %7 · PFR %8 · Aggression %9 · gewonnene Showdowns %10</translation>
    </message>
    <message>
        <source>In the money %1 of %2 (%3) · prizes %4 for buy-ins %5 · return %6</source>
        <translation>In den Preisrängen %1 von %2 (%3) · Preise %4 für Buy-ins %5 · Rendite %6</translation>
    </message>
    <message>
        <source>Tournaments 0: none played under these rules yet.</source>
        <translation>Turniere 0: unter diesen Regeln noch keines gespielt.</translation>
    </message>
    <message>
        <source>No results yet: they are kept from the first hand you play.</source>
        <translation>Noch keine Ergebnisse: sie werden ab der ersten gespielten Hand festgehalten.</translation>
    </message>
    <message>
        <source>The results cannot be shown: %1</source>
        <translation>Die Ergebnisse lassen sich nicht zeigen: %1</translation>
    </message>
    <message>
        <source>Final rank, tournament by tournament</source>
        <translation>Endplatz, Turnier für Turnier</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>No tournament has finished yet.</source>
        <translation>Noch kein Turnier ist beendet.</translation>
    </message>
    <message>
        <source>Your stack, hand by hand</source>
        <translation>Ihr Stack, Hand für Hand</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>No hand of this tournament is kept yet.</source>
        <translation>Von diesem Turnier ist noch keine Hand festgehalten.</translation>
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
    <message>
        <source>You hold %1</source>
        <translation>Sie halten %1</translation>
    </message>
    <message>
        <source>advice: %1</source>
        <translation>Rat: %1</translation>
    </message>
    <message>
        <source>Advice: %1</source>
        <translation>Rat: %1</translation>
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
    <message>
        <source>Tournament Area</source>
        <translation>Turnierbereich</translation>
    </message>
    <message>
        <source>The statistics are not installed with this copy of the game.</source>
        <translation>Die Statistik ist mit dieser Kopie des Spiels nicht installiert.</translation>
    </message>
    <message>
        <source>Results not kept: %1</source>
        <translation>Ergebnisse nicht festgehalten: %1</translation>
    </message>
    <message>
        <source>The saved tournament could not be removed: %1</source>
        <translation>Das gespeicherte Turnier ließ sich nicht entfernen: %1</translation>
    </message>
    <message>
        <source>Not saved: %1; the save from hand %2 is kept</source>
        <translation>Nicht gespeichert: %1; der Spielstand von Hand %2 bleibt erhalten</translation>
    </message>
    <message>
        <source>Not saved: %1; no earlier save is kept</source>
        <translation>Nicht gespeichert: %1; kein früherer Spielstand ist erhalten</translation>
    </message>
    <message>
        <source>It will be offered at the next start.</source>
        <translation>Es wird beim nächsten Start angeboten.</translation>
    </message>
    <message>
        <source>You won the tournament!</source>
        <translation>Sie haben das Turnier gewonnen!</translation>
    </message>
    <message>
        <source>You are out of chips.</source>
        <translation>Sie haben keine Chips mehr.</translation>
    </message>
    <message>
        <source>The game had to stop: a chip count grew beyond what it can hold.</source>
        <translation>Das Spiel musste anhalten: eine Chipzahl wuchs über das hinaus, was es fassen kann.</translation>
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
    <message>
        <source>Raise to %1</source>
        <translation>Erhöhen auf %1</translation>
    </message>
    <message>
        <source>All in %1</source>
        <translation>All-in %1</translation>
    </message>
    <message>
        <source>You finished %1 of %2 and won %3</source>
        <translation>Sie belegen Platz %1 von %2 und gewinnen %3</translation>
    </message>
    <message>
        <source>You finished %1 of %2</source>
        <translation>Sie belegen Platz %1 von %2</translation>
    </message>
    <message>
        <source>The final table: the last %1 play on</source>
        <translation>Der Finaltisch: die letzten %1 spielen weiter</translation>
    </message>
    <message>
        <source>The bubble has burst: the last %1 are in the money</source>
        <translation>Die Bubble ist geplatzt: die letzten %1 sind in den Preisrängen</translation>
    </message>
    <message>
        <source>The money bubble: %1 left, %2 paid</source>
        <translation>Die Bubble: noch %1, %2 bezahlt</translation>
    </message>
    <message>
        <source>Hand for hand</source>
        <translation>Hand für Hand</translation>
    </message>
    <message>
        <source>Your table is broken: you move to table %1</source>
        <translation>Ihr Tisch wird aufgelöst: Sie wechseln an Tisch %1</translation>
    </message>
    <message>
        <source>The tables are balanced: you move to table %1</source>
        <translation>Die Tische werden ausgeglichen: Sie wechseln an Tisch %1</translation>
    </message>
    <message>
        <source>You win %1 with %2</source>
        <translation>Sie gewinnen %1 mit %2</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Sie gewinnen %1</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 gewinnt %2 mit %3</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gewinnt %2</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 win %3 each with %4</source>
        <translation>Geteilter Pot: %1 und %2 gewinnen je %3 mit %4</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 win %3 each</source>
        <translation>Geteilter Pot: %1 und %2 gewinnen je %3</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 with %3</source>
        <translation>Geteilter Pot: %1 und %2 mit %3</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2</source>
        <translation>Geteilter Pot: %1 und %2</translation>
    </message>
    <message>
        <source>Estimate: win %1%, tie %2%</source>
        <translation>Schätzung: Sieg %1 %, Unentschieden %2 %</translation>
    </message>
    <message>
        <source>Estimate: equity %1% against their likely hands</source>
        <translation>Schätzung: Equity %1 % gegen ihre wahrscheinlichen Hände</translation>
    </message>
    <message>
        <source>pot odds %1%</source>
        <translation>Pot Odds %1 %</translation>
    </message>
    <message>
        <source>%1 outs</source>
        <translation>%1 Outs</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3 % needed at this price, %4</source>
        <translation>%1: %2 % Equity gegen ihre wahrscheinlichen Hände, %3 % nötig bei diesem Preis, %4</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3 % needed at this price</source>
        <translation>%1: %2 % Equity gegen ihre wahrscheinlichen Hände, %3 % nötig bei diesem Preis</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3</source>
        <translation>%1: %2 % Equity gegen ihre wahrscheinlichen Hände, %3</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands</source>
        <translation>%1: %2 % Equity gegen ihre wahrscheinlichen Hände</translation>
    </message>
    <message>
        <source>short, all in or fold</source>
        <translation>kurz: All-in oder passen</translation>
    </message>
    <message>
        <source>a top %1 % hand</source>
        <translation>eine Hand der besten %1 %</translation>
    </message>
    <message>
        <source>%1 big blinds</source>
        <translation>%1 Big Blinds</translation>
    </message>
    <message>
        <source>last to act</source>
        <translation>handelt als Letzter</translation>
    </message>
    <message>
        <source>%1 to act after you</source>
        <translation>%1 handeln nach Ihnen</translation>
    </message>
    <message>
        <source>%1 still to act</source>
        <translation>%1 müssen noch handeln</translation>
    </message>
    <message>
        <source>near the money a call must carry %1 points more</source>
        <translation>nahe den Preisrängen braucht ein Call %1 Punkte mehr</translation>
    </message>
    <message>
        <source>%1 of %2 left</source>
        <translation>noch %1 von %2</translation>
    </message>
    <message>
        <source>average %1</source>
        <translation>Durchschnitt %1</translation>
    </message>
    <message>
        <source>prize pool %1</source>
        <translation>Preisgeld %1</translation>
    </message>
    <message>
        <source>You: rank %1 of %2 with %3 at table %4</source>
        <translation>Sie: Rang %1 von %2 mit %3 an Tisch %4</translation>
    </message>
    <message>
        <source>In the money: every player left is paid</source>
        <translation>In den Preisrängen: jeder verbliebene Spieler wird bezahlt</translation>
    </message>
    <message>
        <source>On the bubble: the next player out finishes %1 and is paid nothing</source>
        <translation>Auf der Bubble: der Nächste, der ausscheidet, wird %1 und erhält nichts</translation>
    </message>
    <message>
        <source>The bubble: %1 is paid nothing</source>
        <translation>Die Bubble: Platz %1 erhält nichts</translation>
    </message>
    <message>
        <source>%1 more players out and the rest are paid</source>
        <translation>noch %1 Spieler raus, und der Rest wird bezahlt</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 with %2 % equity needing %3 %: about −%4 chips</source>
        <translation>%1 mit %2 % Equity bei %3 % nötig: etwa −%4 Chips</translation>
    </message>
    <message>
        <source>%1 with %2 % equity: about −%3 chips</source>
        <translation>%1 mit %2 % Equity: etwa −%3 Chips</translation>
    </message>
    <message>
        <source>called %1</source>
        <translation>%1 mitgegangen</translation>
    </message>
    <message>
        <source>bet %1</source>
        <translation>%1 gesetzt</translation>
    </message>
    <message>
        <source>raised to %1</source>
        <translation>auf %1 erhöht</translation>
    </message>
    <message>
        <source>moved all in for %1</source>
        <translation>All-in für %1</translation>
    </message>
    <message>
        <source>Royal flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>High card, %1</source>
        <translation>Höchste Karte, %1</translation>
    </message>
    <message>
        <source>Pair of %1</source>
        <translation>Paar %1</translation>
    </message>
    <message>
        <source>Two pair, %1 and %2</source>
        <translation>Zwei Paare, %1 und %2</translation>
    </message>
    <message>
        <source>Two pair, %1 high</source>
        <translation>Zwei Paare, %1 hoch</translation>
    </message>
    <message>
        <source>Three of a kind, %1</source>
        <translation>Drilling, %1</translation>
    </message>
    <message>
        <source>Straight, %1 high</source>
        <translation>Straße bis %1</translation>
    </message>
    <message>
        <source>Flush, %1-%2 high</source>
        <translation>Flush, %1-%2 hoch</translation>
    </message>
    <message>
        <source>Flush, %1</source>
        <translation>Flush in %1</translation>
    </message>
    <message>
        <source>Full house, %1 full of %2</source>
        <translation>Full House, %1 über %2</translation>
    </message>
    <message>
        <source>Full house, %1 full</source>
        <translation>Full House, %1</translation>
    </message>
    <message>
        <source>Four of a kind, %1</source>
        <translation>Vierling, %1</translation>
    </message>
    <message>
        <source>Straight flush, %1 high</source>
        <translation>Straight Flush bis %1</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>preflop</source>
        <translation>Preflop</translation>
    </message>
    <message>
        <source>flop</source>
        <translation>Flop</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>river</source>
        <translation>River</translation>
    </message>
    <message>
        <source>folded</source>
        <translation>gepasst</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>geschoben</translation>
    </message>
    <message>
        <source>, flush draw</source>
        <translation>, Flush-Draw</translation>
    </message>
    <message>
        <source>, open-ended straight draw</source>
        <translation>, beidseitiger Straßen-Draw</translation>
    </message>
    <message>
        <source>, gutshot straight draw</source>
        <translation>, Gutshot-Straßen-Draw</translation>
    </message>
    <message>
        <source>Pair of aces</source>
        <translation>Paar Asse</translation>
    </message>
    <message>
        <source>Three of a kind, aces</source>
        <translation>Drilling, Asse</translation>
    </message>
    <message>
        <source>Four of a kind, aces</source>
        <translation>Vierling, Asse</translation>
    </message>
    <message>
        <source>all in</source>
        <translation>all-in</translation>
    </message>
    <message>
        <source>Total pot %1 Main pot %2</source>
        <translation>Pot gesamt %1 Hauptpot %2</translation>
    </message>
    <message>
        <source>Total pot %1</source>
        <translation>Pot gesamt %1</translation>
    </message>
    <message>
        <source>Side pot-%1 %2</source>
        <translation>Nebenpot %1: %2</translation>
    </message>
    <message>
        <source>You collected %1 from main pot with %2</source>
        <translation>Sie gewinnen %1 aus dem Hauptpot mit %2</translation>
    </message>
    <message>
        <source>You collected %1 from main pot</source>
        <translation>Sie gewinnen %1 aus dem Hauptpot</translation>
    </message>
    <message>
        <source>You collected %1 from side pot-%2 with %3</source>
        <translation>Sie gewinnen %1 aus Nebenpot %2 mit %3</translation>
    </message>
    <message>
        <source>You collected %1 from side pot-%2</source>
        <translation>Sie gewinnen %1 aus Nebenpot %2</translation>
    </message>
    <message>
        <source>%1 collected %2 from main pot with %3</source>
        <translation>%1 gewinnt %2 aus dem Hauptpot mit %3</translation>
    </message>
    <message>
        <source>%1 collected %2 from main pot</source>
        <translation>%1 gewinnt %2 aus dem Hauptpot</translation>
    </message>
    <message>
        <source>%1 collected %2 from side pot-%3 with %4</source>
        <translation>%1 gewinnt %2 aus Nebenpot %3 mit %4</translation>
    </message>
    <message>
        <source>%1 collected %2 from side pot-%3</source>
        <translation>%1 gewinnt %2 aus Nebenpot %3</translation>
    </message>
    <message>
        <source>%1 goes back to %2</source>
        <translation>%1 gehen zurück an %2</translation>
    </message>
    <message>
        <source>You sit out</source>
        <translation>Sie setzen aus</translation>
    </message>
    <message>
        <source>%1 sits out</source>
        <translation>%1 setzt aus</translation>
    </message>
    <message>
        <source>You pay %1 for sitting out on the button</source>
        <translation>Sie zahlen %1 für das Aussetzen am Button</translation>
    </message>
    <message>
        <source>%1 takes seat %2 with %3</source>
        <translation>%1 nimmt Platz %2 mit %3</translation>
    </message>
    <message>
        <source>%1 is out of the tournament</source>
        <translation>%1 ist aus dem Turnier</translation>
    </message>
    <message>
        <source>seat %1 closes</source>
        <translation>Platz %1 schließt</translation>
    </message>
    <message>
        <source>You are out of chips: %1.</source>
        <translation>Sie haben keine Chips mehr: %1.</translation>
    </message>
    <message>
        <source>you finished %1 of %2 and won %3</source>
        <translation>Sie belegen Platz %1 von %2 und gewinnen %3</translation>
    </message>
    <message>
        <source>you finished %1 of %2</source>
        <translation>Sie belegen Platz %1 von %2</translation>
    </message>
    <message>
        <source>your rank is %1</source>
        <translation>Ihr Rang ist %1</translation>
    </message>
    <message>
        <source>You won the tournament!</source>
        <translation>Sie haben das Turnier gewonnen!</translation>
    </message>
    <message>
        <source>You leave the table.</source>
        <translation>Sie verlassen den Tisch.</translation>
    </message>
    <message>
        <source>The game stops: a chip count grew beyond what it can hold.</source>
        <translation>Das Spiel hält an: eine Chipzahl wuchs über das hinaus, was es fassen kann.</translation>
    </message>
    <message>
        <source>All in: the hands are turned up — %1</source>
        <translation>All-in: die Hände werden aufgedeckt — %1</translation>
    </message>
    <message>
        <source>Table %1, hand %2</source>
        <translation>Tisch %1, Hand %2</translation>
    </message>
    <message>
        <source>Blinds %1 ante %2</source>
        <translation>Blinds %1 Ante %2</translation>
    </message>
    <message>
        <source>Blinds %1</source>
        <translation>Blinds %1</translation>
    </message>
    <message>
        <source>%1: %2 before the hand, %3 after</source>
        <translation>%1: %2 vor der Hand, %3 danach</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 spielt %2</translation>
    </message>
    <message>
        <source>%1, %2 hands seen: puts chips in before the flop in %3 % (VPIP), raises before the flop in %4 % (PFR), re-raises a raise %5 % (of %6), bets and raises %7 times per call after the flop (%8 actions), folds to a continuation bet %9 % (of %10)</source>
        <translation>%1, %2 Hände gesehen: bringt vor dem Flop in %3 % Chips in den Pot (VPIP), erhöht vor dem Flop in %4 % (PFR), re-raist eine Erhöhung in %5 % (von %6), setzt und erhöht nach dem Flop %7-mal je Call (%8 Aktionen), passt auf eine Continuation Bet in %9 % (von %10)</translation>
    </message>
    <message>
        <source>tight-passive</source>
        <translation>tight-passiv</translation>
    </message>
    <message>
        <source>tight-aggressive</source>
        <translation>tight-aggressiv</translation>
    </message>
    <message>
        <source>loose-passive</source>
        <translation>loose-passiv</translation>
    </message>
    <message>
        <source>loose-aggressive</source>
        <translation>loose-aggressiv</translation>
    </message>
</context>
</TS>
