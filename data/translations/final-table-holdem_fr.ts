<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>holdem::ui::ActionPanel</name>
    <message>
        <source>Call</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Se coucher</translation>
    </message>
    <message>
        <source>Bet It</source>
        <translation>Miser ça</translation>
    </message>
    <message>
        <source>Sit Out</source>
        <translation>S&apos;absenter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>½ Pot</source>
        <translation>½ pot</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>All in</source>
        <translation>Tapis</translation>
    </message>
    <message>
        <source>Raise to</source>
        <translation>Relancer à</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Miser</translation>
    </message>
</context>
<context>
    <name>holdem::ui::EquityCalculatorWindow</name>
    <message>
        <source>Equity calculator</source>
        <translation>Calculateur d&apos;équité</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Victoire</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Équité</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>random, a hand (AhKh) or a range (QQ+, AKs, AJo+)</source>
        <translation>random, une main (AhKh) ou un éventail (QQ+, AKs, AJo+)</translation>
    </message>
    <message>
        <source>Player %1&apos;s hands</source>
        <translation>Mains du joueur %1</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Player %1&apos;s range on the grid</source>
        <translation>Éventail du joueur %1 sur la grille</translation>
    </message>
    <message>
        <source>none, or three to five cards: Kc 8h 3d</source>
        <translation>aucune, ou trois à cinq cartes : Kc 8h 3d</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>cards out of the deck: 2s 7c</source>
        <translation>cartes hors du paquet : 2s 7c</translation>
    </message>
    <message>
        <source>Dead cards</source>
        <translation>Cartes mortes</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Ajouter un joueur</translation>
    </message>
    <message>
        <source>Remove a player</source>
        <translation>Retirer un joueur</translation>
    </message>
    <message>
        <source>Player %1&apos;s range</source>
        <translation>Éventail du joueur %1</translation>
    </message>
    <message>
        <source>Player %1 has no hands</source>
        <translation>Le joueur %1 n&apos;a aucune main</translation>
    </message>
    <message>
        <source>Working it out…</source>
        <translation>Calcul en cours…</translation>
    </message>
    <message>
        <source>Exact: every one of %1 deals</source>
        <translation>Exact : chacune des %1 donnes</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HandsViewer</name>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Tournoi</translation>
    </message>
    <message>
        <source>The hand&apos;s log</source>
        <translation>Le journal de la main</translation>
    </message>
    <message>
        <source>« First</source>
        <translation>« Début</translation>
    </message>
    <message>
        <source>‹ Back</source>
        <translation>‹ Retour</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Forward ›</source>
        <translation>Suivant ›</translation>
    </message>
    <message>
        <source>Last »</source>
        <translation>Fin »</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rejouable</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Your cards</source>
        <translation>Vos cartes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Won or lost</source>
        <translation>Gagné ou perdu</translation>
    </message>
    <message>
        <source>Reading the hands…</source>
        <translation>Lecture des mains…</translation>
    </message>
    <message>
        <source>This tournament&apos;s hands were kept as a history only.</source>
        <translation>Les mains de ce tournoi ne sont gardées que dans un historique.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Classic (the game&apos;s own betting)</source>
        <translation>Classique (les enchères propres au jeu)</translation>
    </message>
    <message>
        <source>Standard (no-limit hold&apos;em: every raise answered, side pots)</source>
        <translation>Standard (hold&apos;em no-limit : chaque relance a sa réponse, pots annexes)</translation>
    </message>
    <message>
        <source>Classic (1.5 s a seat, 5 s at the showdown)</source>
        <translation>Classique (1,5 s par siège, 5 s à l&apos;abattage)</translation>
    </message>
    <message>
        <source>Quick (0.5 s a seat, 2.5 s at the showdown)</source>
        <translation>Rapide (0,5 s par siège, 2,5 s à l&apos;abattage)</translation>
    </message>
    <message>
        <source>Fast (0.15 s a seat, 1.5 s at the showdown)</source>
        <translation>Très rapide (0,15 s par siège, 1,5 s à l&apos;abattage)</translation>
    </message>
    <message>
        <source>Hurry when I&apos;m out of the hand</source>
        <translation>Accélérer quand je suis hors du coup</translation>
    </message>
    <message>
        <source>Classic (every 31 ticks of the clock)</source>
        <translation>Classique (tous les 31 tops de l&apos;horloge)</translation>
    </message>
    <message>
        <source>By hands (every 10 hands)</source>
        <translation>Par mains (toutes les 10 mains)</translation>
    </message>
    <message>
        <source>Classic (the game&apos;s own reading)</source>
        <translation>Classique (la lecture propre au jeu)</translation>
    </message>
    <message>
        <source>Standard (best five cards, with kickers)</source>
        <translation>Standard (les cinq meilleures cartes, avec kickers)</translation>
    </message>
    <message>
        <source>All-seeing (they know every hand and the board)</source>
        <translation>Omniscients (ils connaissent chaque main et le tableau)</translation>
    </message>
    <message>
        <source>Fair (they know their own cards and the board shown)</source>
        <translation>Loyaux (ils connaissent leurs cartes et le tableau visible)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Easy (they make real mistakes)</source>
        <translation>Facile (ils font de vraies erreurs)</translation>
    </message>
    <message>
        <source>Hard (they read your actions and balance their bluffs)</source>
        <translation>Difficile (ils lisent vos actions et dosent leurs bluffs)</translation>
    </message>
    <message>
        <source>Classic clock (the classic field and blinds)</source>
        <translation>Horloge classique (le champ et les blinds classiques)</translation>
    </message>
    <message>
        <source>Regular (20,000 chips, levels of 12 hands, antes)</source>
        <translation>Normal (20 000 jetons, niveaux de 12 mains, antes)</translation>
    </message>
    <message>
        <source>Turbo (10,000 chips, levels of 7 hands)</source>
        <translation>Turbo (10 000 jetons, niveaux de 7 mains)</translation>
    </message>
    <message>
        <source>Hyper-turbo (5,000 chips, levels of 4 hands)</source>
        <translation>Hyper-turbo (5 000 jetons, niveaux de 4 mains)</translation>
    </message>
    <message>
        <source>Deep (50,000 chips, levels of 15 hands)</source>
        <translation>Deep (50 000 jetons, niveaux de 15 mains)</translation>
    </message>
    <message>
        <source>10 (a sit-and-go)</source>
        <translation>10 (un sit-and-go)</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>1,000</source>
        <translation>1 000</translation>
    </message>
    <message>
        <source>5,000</source>
        <translation>5 000</translation>
    </message>
    <message>
        <source>Show my chances, the pot odds and the outs (an estimate)</source>
        <translation>Montrer mes chances, la cote du pot et les outs (une estimation)</translation>
    </message>
    <message>
        <source>Say what a strong player would do, at every turn (H asks once)</source>
        <translation>Dire à chaque tour ce que ferait un bon joueur (H le demande une fois)</translation>
    </message>
    <message>
        <source>Table rules</source>
        <translation>Règles de la table</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>Blind levels</source>
        <translation>Niveaux de blinds</translation>
    </message>
    <message>
        <source>Hand ranking</source>
        <translation>Classement des mains</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Adversaires</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Odds helper</source>
        <translation>Aide aux cotes</translation>
    </message>
    <message>
        <source>Advisor</source>
        <translation>Conseiller</translation>
    </message>
    <message>
        <source>Two colours (hearts and diamonds red)</source>
        <translation>Deux couleurs (cœurs et carreaux rouges)</translation>
    </message>
    <message>
        <source>Four colours (spades black, hearts red, diamonds blue, clubs green)</source>
        <translation>Quatre couleurs (piques noirs, cœurs rouges, carreaux bleus, trèfles verts)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Lattice</source>
        <translation>Treillis</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Larger text on the seat plates</source>
        <translation>Texte plus grand sur les plaques des sièges</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Tapis</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>La langue du système</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Langue (au prochain démarrage)</translation>
    </message>
    <message>
        <source>The pace, the odds helper, the advisor and the appearance change at once. The table rules, the blind levels, the ranking, the opponents and the difficulty apply from the next tournament.</source>
        <translation>Le rythme, l&apos;aide aux cotes, le conseiller et l&apos;apparence changent aussitôt. Les règles de la table, les niveaux de blinds, le classement, les adversaires et la difficulté valent à partir du prochain tournoi.</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Nouveau tournoi</translation>
    </message>
    <message>
        <source>The new tournament starts with these choices, and they are kept for the ones after it.</source>
        <translation>Le nouveau tournoi commence avec ces choix, gardés pour les suivants.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>holdem::ui::RangeGrid</name>
    <message>
        <source>Range of starting hands</source>
        <translation>Éventail de mains de départ</translation>
    </message>
    <message>
        <source>Click a kind of hand to take it in or out of the range</source>
        <translation>Cliquer sur un type de main pour l&apos;ajouter à l&apos;éventail ou l&apos;en retirer</translation>
    </message>
</context>
<context>
    <name>holdem::ui::ReviewWindow</name>
    <message>
        <source>Review</source>
        <translation>Revue</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Tournoi</translation>
    </message>
    <message>
        <source>The costliest decisions</source>
        <translation>Les décisions les plus coûteuses</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Tour d&apos;enchères</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Décision</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>&amp;Tournament</source>
        <translation>&amp;Tournoi</translation>
    </message>
    <message>
        <source>No decisions yet: they are graded in tournaments under the standard rules.</source>
        <translation>Aucune décision encore : elles sont notées dans les tournois aux règles standard.</translation>
    </message>
    <message>
        <source>The results cannot be read: %1.</source>
        <translation>Les résultats ne peuvent pas être lus : %1.</translation>
    </message>
    <message>
        <source>No decision of this tournament cost chips against the advice, up to its last hand played.</source>
        <translation>Aucune décision de ce tournoi n&apos;a coûté de jetons face au conseil, jusqu&apos;à sa dernière main jouée.</translation>
    </message>
    <message>
        <source>The %1 costliest decisions; choose one to replay its hand there.</source>
        <translation>Les %1 décisions les plus coûteuses ; en choisir une pour rejouer sa main à ce moment.</translation>
    </message>
    <message>
        <source> · finished %1</source>
        <translation> · terminé %1e</translation>
    </message>
    <message>
        <source> · in play</source>
        <translation> · en cours</translation>
    </message>
</context>
<context>
    <name>holdem::ui::StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Jetons</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Biggest stack</source>
        <translation>Plus gros tapis</translation>
    </message>
    <message>
        <source>Chip leaders</source>
        <translation>Meneurs aux jetons</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Tables: choose one to see its last hand</source>
        <translation>Tables : en choisir une pour voir sa dernière main</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableView</name>
    <message>
        <source>You sit out from the next hand; this cannot be undone before then</source>
        <translation>Vous vous absentez dès la prochaine main ; ce n&apos;est pas annulable d&apos;ici là</translation>
    </message>
    <message>
        <source>You play again from the next hand; this cannot be undone before then</source>
        <translation>Vous rejouez dès la prochaine main ; ce n&apos;est pas annulable d&apos;ici là</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New tournament…</source>
        <translation>&amp;Nouveau tournoi…</translation>
    </message>
    <message>
        <source>&amp;Options…</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>&amp;Hands…</source>
        <translation>&amp;Mains…</translation>
    </message>
    <message>
        <source>Open hand histor&amp;y…</source>
        <translation>Ouvrir un &amp;historique…</translation>
    </message>
    <message>
        <source>Open hand history</source>
        <translation>Ouvrir un historique de mains</translation>
    </message>
    <message>
        <source>Hand histories (*.phh *.phhs)</source>
        <translation>Historiques de mains (*.phh *.phhs)</translation>
    </message>
    <message>
        <source>Stan&amp;dings…</source>
        <translation>C&amp;lassement…</translation>
    </message>
    <message>
        <source>&amp;Review…</source>
        <translation>&amp;Revue…</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistiques…</translation>
    </message>
    <message>
        <source>Open the hand histories&apos; &amp;folder</source>
        <translation>Ouvrir le &amp;dossier des historiques</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Hand &amp;log</source>
        <translation>&amp;Journal des mains</translation>
    </message>
    <message>
        <source>&amp;Statistics on the table</source>
        <translation>&amp;Statistiques sur la table</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Equity calculator…</source>
        <translation>Calculateur d&apos;&amp;équité…</translation>
    </message>
    <message>
        <source>&amp;Advise me</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableWords</name>
    <message>
        <source>Fold</source>
        <translation>Se coucher</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Suivre %1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Mise %1</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation>Relance %1</translation>
    </message>
    <message>
        <source>All in</source>
        <translation>Tapis</translation>
    </message>
    <message>
        <source>Small blind %1</source>
        <translation>Petite blind %1</translation>
    </message>
    <message>
        <source>Big blind %1</source>
        <translation>Grosse blind %1</translation>
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
        <translation>Pot principal %1</translation>
    </message>
    <message>
        <source>Side pot %1</source>
        <translation>Pot annexe %1</translation>
    </message>
    <message>
        <source>bet %1 … %2, then Enter</source>
        <translation>miser %1 … %2, puis Entrée</translation>
    </message>
    <message>
        <source>raise to %1 … %2, then Enter</source>
        <translation>relancer à %1 … %2, puis Entrée</translation>
    </message>
    <message>
        <source>bet %1, then Enter</source>
        <translation>miser %1, puis Entrée</translation>
    </message>
    <message>
        <source>raise to %1, then Enter</source>
        <translation>relancer à %1, puis Entrée</translation>
    </message>
    <message>
        <source>no raise: you may call or fold</source>
        <translation>pas de relance : suivre ou se coucher</translation>
    </message>
    <message>
        <source>Level %1: %2 ante %3</source>
        <translation>Niveau %1 : %2 ante %3</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1 : %2</translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation>Table %1</translation>
    </message>
    <message>
        <source>Next %1 ante %2 in %3 hands</source>
        <translation>Ensuite %1 ante %2 dans %3 mains</translation>
    </message>
    <message>
        <source>Next %1 in %2 hands</source>
        <translation>Ensuite %1 dans %2 mains</translation>
    </message>
    <message>
        <source>Rank %1 of %2</source>
        <translation>Rang %1 sur %2</translation>
    </message>
    <message>
        <source>Average %1</source>
        <translation>Moyenne %1</translation>
    </message>
    <message>
        <source>You %1 BB</source>
        <translation>Vous %1 BB</translation>
    </message>
    <message>
        <source>%1 paid</source>
        <translation>%1 payés</translation>
    </message>
    <message>
        <source>hand for hand</source>
        <translation>main par main</translation>
    </message>
    <message>
        <source>final table</source>
        <translation>table finale</translation>
    </message>
    <message>
        <source>Limits Go Up in mins %1 : %2 sec</source>
        <translation>Les limites montent dans %1 min : %2 s</translation>
    </message>
    <message>
        <source>Limits %1 - %2</source>
        <translation>Limites %1 - %2</translation>
    </message>
    <message>
        <source>Limits go up in %1 hands</source>
        <translation>Les limites montent dans %1 mains</translation>
    </message>
    <message>
        <source>Your Rank is %1</source>
        <translation>Votre rang est %1</translation>
    </message>
    <message>
        <source>You fold</source>
        <translation>Vous vous couchez</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 se couche</translation>
    </message>
    <message>
        <source>You check</source>
        <translation>Vous dites parole</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 dit parole</translation>
    </message>
    <message>
        <source>You call %1</source>
        <translation>Vous suivez %1</translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation>%1 suit %2</translation>
    </message>
    <message>
        <source>You bet %1</source>
        <translation>Vous misez %1</translation>
    </message>
    <message>
        <source>%1 bets %2</source>
        <translation>%1 mise %2</translation>
    </message>
    <message>
        <source>You raise to %1</source>
        <translation>Vous relancez à %1</translation>
    </message>
    <message>
        <source>%1 raises to %2</source>
        <translation>%1 relance à %2</translation>
    </message>
    <message>
        <source>You raise %1 to %2</source>
        <translation>Vous relancez de %1 à %2</translation>
    </message>
    <message>
        <source>%1 raises %2 to %3</source>
        <translation>%1 relance de %2 à %3</translation>
    </message>
    <message>
        <source>You go all in with %1</source>
        <translation>Vous faites tapis avec %1</translation>
    </message>
    <message>
        <source>%1 goes all in with %2</source>
        <translation>%1 fait tapis avec %2</translation>
    </message>
    <message>
        <source>You post the ante %1</source>
        <translation>Vous payez l&apos;ante %1</translation>
    </message>
    <message>
        <source>%1 posts the ante %2</source>
        <translation>%1 paie l&apos;ante %2</translation>
    </message>
    <message>
        <source>You post the small blind %1</source>
        <translation>Vous payez la petite blind %1</translation>
    </message>
    <message>
        <source>%1 posts the small blind %2</source>
        <translation>%1 paie la petite blind %2</translation>
    </message>
    <message>
        <source>You post the big blind %1</source>
        <translation>Vous payez la grosse blind %1</translation>
    </message>
    <message>
        <source>%1 posts the big blind %2</source>
        <translation>%1 paie la grosse blind %2</translation>
    </message>
    <message>
        <source>You muck</source>
        <translation>Vous jetez vos cartes</translation>
    </message>
    <message>
        <source>%1 mucks</source>
        <translation>%1 jette ses cartes</translation>
    </message>
    <message>
        <source>You show %1 (%2)</source>
        <translation>Vous montrez %1 (%2)</translation>
    </message>
    <message>
        <source>%1 shows %2 (%3)</source>
        <translation>%1 montre %2 (%3)</translation>
    </message>
    <message>
        <source>%1 collected %2 from pot with %3</source>
        <translation>%1 remporte %2 du pot avec %3</translation>
    </message>
    <message>
        <source>%1 collected %2 from pot</source>
        <translation>%1 remporte %2 du pot</translation>
    </message>
    <message>
        <source>Uncalled bet (%1) returned to %2</source>
        <translation>Mise non suivie (%1) rendue à %2</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2, You deal</source>
        <translation>--- Main %1 --- blinds %2, vous donnez</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2, %3 deals</source>
        <translation>--- Main %1 --- blinds %2, %3 donne</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2</source>
        <translation>--- Main %1 --- blinds %2</translation>
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
        <translation>Vous</translation>
    </message>
    <message>
        <source> and is all in</source>
        <translation> et fait tapis</translation>
    </message>
    <message>
        <source> and are all in</source>
        <translation> et faites tapis</translation>
    </message>
    <message>
        <source>You collected %1 from pot with %2</source>
        <translation>Vous remportez %1 du pot avec %2</translation>
    </message>
    <message>
        <source>You collected %1 from pot</source>
        <translation>Vous remportez %1 du pot</translation>
    </message>
</context>
</TS>
