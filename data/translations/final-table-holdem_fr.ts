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
    <message>
        <source>Player %1: %2</source>
        <translation>Joueur %1 : %2</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Le tableau</translation>
    </message>
    <message>
        <source>The dead cards</source>
        <translation>Les cartes mortes</translation>
    </message>
    <message>
        <source>Working: </source>
        <translation>En cours : </translation>
    </message>
    <message>
        <source>%1 deals sampled · standard error ±%2 points</source>
        <translation>%1 donnes tirées · erreur type ±%2 points</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HandLogView</name>
    <message>
        <source>Hand log</source>
        <translation>Journal des mains</translation>
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
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Le fichier ne peut pas être ouvert : %1.</translation>
    </message>
    <message>
        <source>The file is larger than the %1 MB a hand history may be.</source>
        <translation>Le fichier dépasse les %1 Mo permis pour un historique de mains.</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 main</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 mains</translation>
    </message>
    <message>
        <source>; only the first %1 hands are read</source>
        <translation> ; seules les %1 premières mains sont lues</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gagné</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdu</translation>
    </message>
    <message>
        <source>even</source>
        <translation>à l&apos;équilibre</translation>
    </message>
    <message>
        <source>The hands cannot be read: %1.</source>
        <translation>Les mains ne peuvent pas être lues : %1.</translation>
    </message>
    <message>
        <source>, from the first %1 MB of the file; the rest is not read</source>
        <translation>, tirées des %1 premiers Mo du fichier ; le reste n&apos;est pas lu</translation>
    </message>
    <message>
        <source>; 1 line is no hand record and was left out</source>
        <translation> ; 1 ligne n&apos;est pas un relevé de main et a été écartée</translation>
    </message>
    <message>
        <source>; %1 lines are no hand record and were left out</source>
        <translation> ; %1 lignes ne sont pas des relevés de main et ont été écartées</translation>
    </message>
    <message>
        <source> (history only)</source>
        <translation> (historique seulement)</translation>
    </message>
    <message>
        <source>Hand %1 cannot be replayed: %2</source>
        <translation>La main %1 ne peut pas être rejouée : %2</translation>
    </message>
    <message>
        <source>This hand&apos;s record cannot be read: it is not one the game writes.</source>
        <translation>Le relevé de cette main ne peut pas être lu : ce n&apos;est pas un relevé que le jeu écrit.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HistoryFile</name>
    <message>
        <source>Hand history not written (%1): %2</source>
        <translation>Historique des mains non écrit (%1) : %2</translation>
    </message>
</context>
<context>
    <name>holdem::ui::Notices</name>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;
&lt;p&gt;You sit at the bottom of a ten-seat table against nine computer players, in a tournament of
1000 entrants. When the turn comes to you the action panel opens and the clock waits for you.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Comment jouer&lt;/h2&gt;
&lt;p&gt;Vous êtes assis en bas d&apos;une table de dix places face à neuf joueurs de l&apos;ordinateur, dans un
tournoi de 1 000 participants. Quand vient votre tour, le panneau d&apos;action s&apos;ouvre et l&apos;horloge vous
attend.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Boutons et touches&lt;/h3&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Suivre&lt;/b&gt; / &lt;b&gt;Parole&lt;/b&gt; &amp;nbsp; C&lt;/td&gt;&lt;td&gt;égaler la mise, ou passer quand il n&apos;y a rien à suivre&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Relancer&lt;/b&gt; &amp;nbsp; R&lt;/td&gt;&lt;td&gt;le montant à suivre plus deux unités de blinde (le bouton montre le total)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Se coucher&lt;/b&gt; &amp;nbsp; F&lt;/td&gt;&lt;td&gt;abandonner la main&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Miser ça&lt;/b&gt; &amp;nbsp; B, puis Entrée&lt;/td&gt;&lt;td&gt;le montant à suivre plus le montant tapé dans la case ; le montant tapé doit valoir au moins une relance standard&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;S&apos;absenter&lt;/b&gt; &amp;nbsp; S&lt;/td&gt;&lt;td&gt;s&apos;absenter dès la main suivante (rouge tant que c&apos;est demandé) ; une demande tient jusqu&apos;à cette main&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Quitter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;quitter le tournoi ; votre rang est définitif&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Quand votre tour s&apos;ouvre, Entrée ou Espace suit (ou passe). Échap quitte la case du montant. M
active ou coupe le son, L montre ou cache le journal des mains. Toute autre touche ne fait rien.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The classic game&lt;/h3&gt;
&lt;p&gt;Every seat posts its blinds in turn from the dealer button; the betting goes round the table
seat by seat, and the flop, the turn and the river are shown when the round reaches its closing
seat. At the showdown the best hand at the table takes the pot, shared when hands tie. The
blinds rise on the clock shown at the right; broke computer seats are refilled from the field
until it runs out. The tournament ends when you have no chips left, or when you are the last
entrant standing.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Le jeu classique&lt;/h3&gt;
&lt;p&gt;Chaque place paie ses blindes à son tour à partir du bouton du donneur ; les enchères font le tour
de la table place par place, et le flop, le turn et la river sont montrés quand le tour atteint sa
place de clôture. À l&apos;abattage, la meilleure main de la table prend le pot, partagé en cas
d&apos;égalité. Les blindes montent selon l&apos;horloge à droite ; les places de l&apos;ordinateur ruinées sont
regarnies depuis le champ jusqu&apos;à ce qu&apos;il s&apos;épuise. Le tournoi se termine quand vous n&apos;avez plus de
jetons, ou quand vous êtes le dernier participant en lice.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Les règles standard&lt;/h3&gt;
&lt;p&gt;Le hold&apos;em no-limit tel que le jouent les salles de poker. Le bouton avance d&apos;une place à chaque
main ; la petite blinde est à sa gauche et la grosse blinde ensuite (à deux, le bouton paie la petite
blinde). Avant le flop, la place à gauche de la grosse blinde parle la première, et la grosse blinde
peut encore relancer un pot suivi ; après le flop, la première place à gauche du bouton. On relance
au moins de la dernière relance complète, de n&apos;importe quel montant jusqu&apos;au tapis ; un tapis court
ne rouvre pas les enchères. Une mise que personne n&apos;a suivie revient, et chaque pot principal et
pot annexe va à la meilleure main qui y a contribué. Votre panneau propose Se coucher, Parole ou
Suivre, &lt;b&gt;Relancer à&lt;/b&gt; la plus petite relance (&lt;b&gt;Miser&lt;/b&gt; quand rien n&apos;est misé), ainsi que
½ Pot, Pot et Tapis, qui mettent leur total dans la case du montant : tapez le total de la relance
et appuyez sur Entrée.&lt;/p&gt;
&lt;p&gt;Les joueurs de l&apos;ordinateur y ont chacun un style (serré ou large, passif ou agressif) : pointez
une place pour le voir. Ils ne connaissent que leurs propres cartes, le tableau et ce que chacun a
fait.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Un tournoi de tout le champ&lt;/h3&gt;
&lt;p&gt;Partie › Nouveau tournoi… (Ctrl+N) prépare le prochain tournoi : règles, difficulté, rythme,
structure et champ (10 en sit-and-go, 100, 1 000 ou 5 000 participants) ; le tournoi en cours n&apos;est
abandonné qu&apos;avec votre accord, et sa place est définitive. Avec une structure, chaque table du champ
joue une main pour chaque main à la vôtre ; les tables sont cassées et équilibrées comme le font les
directeurs de tournoi, et quand la vôtre est cassée vous changez de table avec votre tapis. Les
nouvelles s&apos;affichent sur le tapis de jeu : votre changement de table, la bulle (le champ joue main
par main), la bulle éclatée et la table finale des dix derniers.&lt;/p&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Normal&lt;/b&gt;&lt;/td&gt;&lt;td&gt;20 000 jetons, 12 mains par niveau, 50/100 puis 75/150, l&apos;ante de grosse blinde dès 100/200&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Turbo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;10 000 jetons, 7 mains par niveau, l&apos;ante dès 75/150&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Hyper-turbo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;5 000 jetons, 4 mains par niveau, comme Turbo&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Deep&lt;/b&gt;&lt;/td&gt;&lt;td&gt;50 000 jetons, 15 mains par niveau, comme Normal&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Horloge classique&lt;/b&gt;&lt;/td&gt;&lt;td&gt;le compteur du champ, les remplacements et les blindes du jeu classique&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;La grosse blinde paie l&apos;ante avant sa blinde ; l&apos;ante est de l&apos;argent mort dans le pot principal.
Environ 15 % du champ est payé sur des droits d&apos;entrée de 100 (argent fictif), chaque gain valant au
moins 150. Le panneau montre le niveau, les blindes et l&apos;ante, le niveau suivant et les mains qui
restent avant lui, votre table, votre rang en jetons parmi les joueurs restants, la moyenne, votre
tapis en grosses blindes et les places payées. Partie › Classement… (Ctrl+T) montre les meneurs en
jetons, les gains avec la bulle et chaque table ; choisissez une table pour voir sa dernière main.
Affichage › Statistiques sur la table montre le VPIP, le PFR, les 3-bets et l&apos;agressivité de chaque
adversaire d&apos;après ce que vous avez vu. Outils › Calculateur d&apos;équité… calcule l&apos;équité de mains et
de fourchettes (tapées comme « QQ+, AKs, AJo+, 76s » ou cliquées sur la grille) avec un tableau et
des cartes mortes.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;L&apos;entraîneur&lt;/h3&gt;
&lt;p&gt;À votre tour, la touche H (Outils › Conseil) demande au conseiller ce que ferait un joueur fort,
d&apos;après ce que vous pouvez voir : le coup et son montant, avec l&apos;équité contre les mains que
suggèrent les actions des adversaires, le prix, votre tapis en grosses blindes, votre position et,
près de l&apos;argent, ce que les gains ajoutent à un gros risque. Les options peuvent le faire conseiller
à chaque tour. Chacune de vos décisions avec les règles standard est notée par rapport au conseil,
selon les jetons qu&apos;elle devrait coûter. Partie › Revue… liste les décisions les plus coûteuses d&apos;un
tournoi ; choisissez-en une pour rejouer sa main à ce moment. Partie › Statistiques… montre vos
fuites : VPIP et PFR par position, relances abandonnées face à une surrelance, suivis que le prix ne
justifiait pas et le coût de vos décisions rue par rue.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Options (Partie › Options…)&lt;/h3&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Règles de la table&lt;/b&gt;&lt;/td&gt;&lt;td&gt;le jeu classique, ou les règles standard (avec le classement standard)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Difficulté&lt;/b&gt;&lt;/td&gt;&lt;td&gt;avec les règles standard : Normal, Facile (les joueurs font de vraies erreurs) ou Difficile (ils lisent vos actions et dosent leurs bluffs)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Rythme&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la durée de chaque place et de l&apos;abattage ; « Accélérer quand je suis hors du coup » joue vite le reste d&apos;une main couchée&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Niveaux de blinds&lt;/b&gt;&lt;/td&gt;&lt;td&gt;selon l&apos;horloge, ou toutes les 10 mains&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Classement des mains&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la lecture propre au jeu, ou les cinq meilleures de sept cartes avec kickers&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Adversaires&lt;/b&gt;&lt;/td&gt;&lt;td&gt;omniscients, ou loyaux : ils ne connaissent que leurs propres cartes et le tableau montré&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Conseiller&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la ligne du conseiller à chacun de vos tours, à côté de celle de l&apos;aide aux cotes&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Apparence&lt;/b&gt;&lt;/td&gt;&lt;td&gt;un jeu de cartes à deux ou quatre couleurs (pique noir, cœur rouge, carreau bleu, trèfle vert), un tapis vert, bleu ou violet, des dos de cartes à treillis ou à anneau, et un texte plus grand sur les plaques des places&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Le rythme, les aides et l&apos;apparence changent tout de suite ; les autres options s&apos;appliquent dès
le tournoi suivant. Le tournoi est enregistré au début de chaque main et proposé de nouveau au
démarrage du jeu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Leave this tournament? Your rank is final.</source>
        <translation>Quitter ce tournoi ? Votre rang est définitif.</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Rester</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Nouveau tournoi</translation>
    </message>
    <message>
        <source>Start a new tournament? The one in play ends here and your rank in it is final.</source>
        <translation>Commencer un nouveau tournoi ? Celui en cours s&apos;arrête ici et votre rang y est définitif.</translation>
    </message>
    <message>
        <source>Start the new one</source>
        <translation>Commencer le nouveau</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Continuer à jouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About Final Table Hold&apos;em</source>
        <translation>À propos de Final Table Hold&apos;em</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Final Table Hold&apos;em&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A single-player Texas hold&apos;em tournament.&lt;/p&gt;&lt;p&gt;Copyright © 2026 The Final Table Hold&apos;em developers, under the MIT License.&lt;/p&gt;&lt;p&gt;The text is set in DejaVu Sans, by the DejaVu fonts team, whose licence follows.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Final Table Hold&apos;em&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un tournoi de Texas hold&apos;em pour un joueur.&lt;/p&gt;&lt;p&gt;Copyright © 2026 Les développeurs de Final Table Hold&apos;em, sous licence MIT.&lt;/p&gt;&lt;p&gt;Le texte est composé en DejaVu Sans, de l&apos;équipe des polices DejaVu, dont la licence suit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The font&apos;s licence is installed with the game.</source>
        <translation>La licence de la police est installée avec le jeu.</translation>
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
    <name>holdem::ui::SavedGame</name>
    <message>
        <source>The saved tournament could not be resumed: %1. It was put aside as %2 and a new tournament starts.</source>
        <translation>Le tournoi enregistré n&apos;a pas pu être repris : %1. Il a été mis de côté sous le nom %2 et un nouveau tournoi commence.</translation>
    </message>
    <message>
        <source>The saved tournament could not be resumed: %1. It could not be put aside either (%2); the new tournament&apos;s first save will replace it.</source>
        <translation>Le tournoi enregistré n&apos;a pas pu être repris : %1. Il n&apos;a pas pu non plus être mis de côté (%2) ; le premier enregistrement du nouveau tournoi le remplacera.</translation>
    </message>
    <message>
        <source>Saved tournament: hand %1, %2 players left, your stack %3</source>
        <translation>Tournoi enregistré : main %1, %2 joueurs restants, votre tapis %3</translation>
    </message>
</context>
<context>
    <name>holdem::ui::SplashWindow</name>
    <message>
        <source>Multi Table Tournament Software</source>
        <translation>Logiciel de tournoi multitable</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Resume tournament</source>
        <translation>Reprendre le tournoi</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Nouveau tournoi</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Jeu classique</translation>
    </message>
    <message>
        <source>Standard tournament</source>
        <translation>Tournoi standard</translation>
    </message>
    <message>
        <source>Choose the game: the classic game, or a standard no-limit tournament.</source>
        <translation>Choisissez le jeu : le jeu classique, ou un tournoi no-limit standard.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::Spoken</name>
    <message>
        <source>%1 chips</source>
        <translation>%1 jetons</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>joue %1</translation>
    </message>
    <message>
        <source>dealer</source>
        <translation>donneur</translation>
    </message>
    <message>
        <source>to act</source>
        <translation>doit parler</translation>
    </message>
    <message>
        <source>folded</source>
        <translation>couché</translation>
    </message>
    <message>
        <source>check</source>
        <translation>parole</translation>
    </message>
    <message>
        <source>fold</source>
        <translation>se coucher</translation>
    </message>
    <message>
        <source>all in</source>
        <translation>tapis</translation>
    </message>
    <message>
        <source>raise</source>
        <translation>relancer</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>miser</translation>
    </message>
    <message>
        <source>call %1</source>
        <translation>suivre %1</translation>
    </message>
    <message>
        <source>raise to %1</source>
        <translation>relancer à %1</translation>
    </message>
    <message>
        <source>raise %1</source>
        <translation>relance %1</translation>
    </message>
    <message>
        <source>bet %1</source>
        <translation>miser %1</translation>
    </message>
    <message>
        <source>small blind %1</source>
        <translation>petite blinde %1</translation>
    </message>
    <message>
        <source>big blind %1</source>
        <translation>grosse blinde %1</translation>
    </message>
    <message>
        <source>ante %1</source>
        <translation>ante %1</translation>
    </message>
    <message>
        <source>cards %1</source>
        <translation>cartes %1</translation>
    </message>
    <message>
        <source>won %1</source>
        <translation>gagne %1</translation>
    </message>
    <message>
        <source>pot %1</source>
        <translation>pot %1</translation>
    </message>
    <message>
        <source>you hold %1</source>
        <translation>vous tenez %1</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>Tableau %1</translation>
    </message>
    <message>
        <source>No cards on the board</source>
        <translation>Aucune carte au tableau</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>À vous de jouer</translation>
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
    <message>
        <source> (yours)</source>
        <translation> (la vôtre)</translation>
    </message>
    <message>
        <source>Your own table: its hands are in the log and the Hands window.</source>
        <translation>Votre propre table : ses mains sont dans le journal et la fenêtre Mains.</translation>
    </message>
    <message>
        <source>This table has not played a hand yet.</source>
        <translation>Cette table n&apos;a pas encore joué de main.</translation>
    </message>
    <message>
        <source>Table %1&apos;s last hand: the stacks after it and the cards shown down.</source>
        <translation>Dernière main de la table %1 : les tapis après elle et les cartes abattues.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::StatisticsDialog</name>
    <message>
        <source> · finished %1</source>
        <translation> · terminé %1e</translation>
    </message>
    <message>
        <source> · in play</source>
        <translation> · en cours</translation>
    </message>
    <message>
        <source> · won %1</source>
        <translation> · gagné %1</translation>
    </message>
    <message>
        <source>button</source>
        <translation>bouton</translation>
    </message>
    <message>
        <source>small blind</source>
        <translation>petite blinde</translation>
    </message>
    <message>
        <source>big blind</source>
        <translation>grosse blinde</translation>
    </message>
    <message>
        <source>%1 after the button</source>
        <translation>%1 après le bouton</translation>
    </message>
    <message>
        <source>VPIP/PFR by position: %1</source>
        <translation>VPIP/PFR par position : %1</translation>
    </message>
    <message>
        <source>Raises before the flop given up to a re-raise: %1 of %2 (%3)</source>
        <translation>Relances avant le flop abandonnées face à une surrelance : %1 sur %2 (%3)</translation>
    </message>
    <message>
        <source>Calls the price did not pay for: %1 of %2, about %3 chips</source>
        <translation>Suivis que le prix ne justifiait pas : %1 sur %2, environ %3 jetons</translation>
    </message>
    <message>
        <source>%1 %2 decisions, about %3 chips</source>
        <translation>%1 %2 décisions, environ %3 jetons</translation>
    </message>
    <message>
        <source>Cost of decisions against the advice: %1</source>
        <translation>Coût des décisions contraires au conseil : %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>All rules</source>
        <translation>Toutes les règles</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Règles :</translation>
    </message>
    <message>
        <source>&amp;Tournament:</source>
        <translation>&amp;Tournoi :</translation>
    </message>
    <message>
        <source>Reading the results…</source>
        <translation>Lecture des résultats…</translation>
    </message>
    <message>
        <source> (%1 finished)</source>
        <translation> (%1 terminés)</translation>
    </message>
    <message>
        <source>Tournaments %1%2 · wins %3 · best finish %4 · mean finish %5
Hands %6 · VPIP %7 · PFR %8 · aggression %9 · showdowns won %10</source>
        <translation>Tournois %1%2 · victoires %3 · meilleure place %4 · place moyenne %5
Mains %6 · VPIP %7 · PFR %8 · agressivité %9 · abattages gagnés %10</translation>
    </message>
    <message>
        <source>In the money %1 of %2 (%3) · prizes %4 for buy-ins %5 · return %6</source>
        <translation>Dans l&apos;argent %1 sur %2 (%3) · gains %4 pour des droits d&apos;entrée de %5 · retour %6</translation>
    </message>
    <message>
        <source>Tournaments 0: none played under these rules yet.</source>
        <translation>Tournois 0 : aucun joué avec ces règles pour l&apos;instant.</translation>
    </message>
    <message>
        <source>No results yet: they are kept from the first hand you play.</source>
        <translation>Pas encore de résultats : ils sont conservés dès la première main jouée.</translation>
    </message>
    <message>
        <source>The results cannot be shown: %1</source>
        <translation>Les résultats ne peuvent pas être affichés : %1</translation>
    </message>
    <message>
        <source>Final rank, tournament by tournament</source>
        <translation>Place finale, tournoi par tournoi</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Tournoi</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>No tournament has finished yet.</source>
        <translation>Aucun tournoi n&apos;est encore terminé.</translation>
    </message>
    <message>
        <source>Your stack, hand by hand</source>
        <translation>Votre tapis, main par main</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Jetons</translation>
    </message>
    <message>
        <source>No hand of this tournament is kept yet.</source>
        <translation>Aucune main de ce tournoi n&apos;est encore conservée.</translation>
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
    <message>
        <source>You hold %1</source>
        <translation>Vous tenez %1</translation>
    </message>
    <message>
        <source>advice: %1</source>
        <translation>conseil : %1</translation>
    </message>
    <message>
        <source>Advice: %1</source>
        <translation>Conseil : %1</translation>
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
    <message>
        <source>Tournament Area</source>
        <translation>Espace du tournoi</translation>
    </message>
    <message>
        <source>The statistics are not installed with this copy of the game.</source>
        <translation>Les statistiques ne sont pas installées avec cet exemplaire du jeu.</translation>
    </message>
    <message>
        <source>Results not kept: %1</source>
        <translation>Résultats non conservés : %1</translation>
    </message>
    <message>
        <source>The saved tournament could not be removed: %1</source>
        <translation>Le tournoi enregistré n&apos;a pas pu être supprimé : %1</translation>
    </message>
    <message>
        <source>Not saved: %1; the save from hand %2 is kept</source>
        <translation>Non enregistré : %1 ; l&apos;enregistrement de la main %2 est conservé</translation>
    </message>
    <message>
        <source>Not saved: %1; no earlier save is kept</source>
        <translation>Non enregistré : %1 ; aucun enregistrement antérieur n&apos;est conservé</translation>
    </message>
    <message>
        <source>It will be offered at the next start.</source>
        <translation>Il sera proposé au prochain démarrage.</translation>
    </message>
    <message>
        <source>You won the tournament!</source>
        <translation>Vous avez gagné le tournoi !</translation>
    </message>
    <message>
        <source>You are out of chips.</source>
        <translation>Vous n&apos;avez plus de jetons.</translation>
    </message>
    <message>
        <source>The game had to stop: a chip count grew beyond what it can hold.</source>
        <translation>Le jeu a dû s&apos;arrêter : un compte de jetons a dépassé ce qu&apos;il peut contenir.</translation>
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
    <message>
        <source>Raise to %1</source>
        <translation>Relancer à %1</translation>
    </message>
    <message>
        <source>All in %1</source>
        <translation>Tapis %1</translation>
    </message>
    <message>
        <source>You finished %1 of %2 and won %3</source>
        <translation>Vous terminez à la place %1 sur %2 et gagnez %3</translation>
    </message>
    <message>
        <source>You finished %1 of %2</source>
        <translation>Vous terminez à la place %1 sur %2</translation>
    </message>
    <message>
        <source>The final table: the last %1 play on</source>
        <translation>La table finale : les %1 derniers continuent</translation>
    </message>
    <message>
        <source>The bubble has burst: the last %1 are in the money</source>
        <translation>La bulle a éclaté : les %1 derniers sont dans l&apos;argent</translation>
    </message>
    <message>
        <source>The money bubble: %1 left, %2 paid</source>
        <translation>La bulle : %1 restants, %2 payés</translation>
    </message>
    <message>
        <source>Hand for hand</source>
        <translation>Main par main</translation>
    </message>
    <message>
        <source>Your table is broken: you move to table %1</source>
        <translation>Votre table est cassée : vous passez à la table %1</translation>
    </message>
    <message>
        <source>The tables are balanced: you move to table %1</source>
        <translation>Les tables sont équilibrées : vous passez à la table %1</translation>
    </message>
    <message>
        <source>You win %1 with %2</source>
        <translation>Vous gagnez %1 avec %2</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Vous gagnez %1</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 gagne %2 avec %3</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gagne %2</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 win %3 each with %4</source>
        <translation>Pot partagé : %1 et %2 gagnent %3 chacun avec %4</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 win %3 each</source>
        <translation>Pot partagé : %1 et %2 gagnent %3 chacun</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 with %3</source>
        <translation>Pot partagé : %1 et %2 avec %3</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2</source>
        <translation>Pot partagé : %1 et %2</translation>
    </message>
    <message>
        <source>Estimate: win %1%, tie %2%</source>
        <translation>Estimation : victoire %1 %, égalité %2 %</translation>
    </message>
    <message>
        <source>Estimate: equity %1% against their likely hands</source>
        <translation>Estimation : équité %1 % contre leurs mains probables</translation>
    </message>
    <message>
        <source>pot odds %1%</source>
        <translation>cote du pot %1 %</translation>
    </message>
    <message>
        <source>%1 outs</source>
        <translation>%1 outs</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3 % needed at this price, %4</source>
        <translation>%1 : %2 % d&apos;équité contre leurs mains probables, %3 % nécessaires à ce prix, %4</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3 % needed at this price</source>
        <translation>%1 : %2 % d&apos;équité contre leurs mains probables, %3 % nécessaires à ce prix</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3</source>
        <translation>%1 : %2 % d&apos;équité contre leurs mains probables, %3</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands</source>
        <translation>%1 : %2 % d&apos;équité contre leurs mains probables</translation>
    </message>
    <message>
        <source>short, all in or fold</source>
        <translation>court : tapis ou se coucher</translation>
    </message>
    <message>
        <source>a top %1 % hand</source>
        <translation>une main des %1 % meilleures</translation>
    </message>
    <message>
        <source>%1 big blinds</source>
        <translation>%1 grosses blindes</translation>
    </message>
    <message>
        <source>last to act</source>
        <translation>dernier à parler</translation>
    </message>
    <message>
        <source>%1 to act after you</source>
        <translation>%1 parlent après vous</translation>
    </message>
    <message>
        <source>%1 still to act</source>
        <translation>%1 doivent encore parler</translation>
    </message>
    <message>
        <source>near the money a call must carry %1 points more</source>
        <translation>près de l&apos;argent, un suivi doit porter %1 points de plus</translation>
    </message>
    <message>
        <source>%1 of %2 left</source>
        <translation>%1 sur %2 restants</translation>
    </message>
    <message>
        <source>average %1</source>
        <translation>moyenne %1</translation>
    </message>
    <message>
        <source>prize pool %1</source>
        <translation>dotation %1</translation>
    </message>
    <message>
        <source>You: rank %1 of %2 with %3 at table %4</source>
        <translation>Vous : rang %1 sur %2 avec %3 à la table %4</translation>
    </message>
    <message>
        <source>In the money: every player left is paid</source>
        <translation>Dans l&apos;argent : chaque joueur restant est payé</translation>
    </message>
    <message>
        <source>On the bubble: the next player out finishes %1 and is paid nothing</source>
        <translation>Sur la bulle : le prochain éliminé termine %1 et ne touche rien</translation>
    </message>
    <message>
        <source>The bubble: %1 is paid nothing</source>
        <translation>La bulle : la place %1 ne touche rien</translation>
    </message>
    <message>
        <source>%1 more players out and the rest are paid</source>
        <translation>encore %1 joueurs éliminés et les autres sont payés</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 with %2 % equity needing %3 %: about −%4 chips</source>
        <translation>%1 avec %2 % d&apos;équité pour %3 % nécessaires : environ −%4 jetons</translation>
    </message>
    <message>
        <source>%1 with %2 % equity: about −%3 chips</source>
        <translation>%1 avec %2 % d&apos;équité : environ −%3 jetons</translation>
    </message>
    <message>
        <source>called %1</source>
        <translation>suivi %1</translation>
    </message>
    <message>
        <source>bet %1</source>
        <translation>misé %1</translation>
    </message>
    <message>
        <source>raised to %1</source>
        <translation>relancé à %1</translation>
    </message>
    <message>
        <source>moved all in for %1</source>
        <translation>tapis pour %1</translation>
    </message>
    <message>
        <source>Royal flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>High card, %1</source>
        <translation>Carte haute, %1</translation>
    </message>
    <message>
        <source>Pair of %1</source>
        <translation>Paire de %1</translation>
    </message>
    <message>
        <source>Two pair, %1 and %2</source>
        <translation>Deux paires, %1 et %2</translation>
    </message>
    <message>
        <source>Two pair, %1 high</source>
        <translation>Deux paires, %1 en tête</translation>
    </message>
    <message>
        <source>Three of a kind, %1</source>
        <translation>Brelan de %1</translation>
    </message>
    <message>
        <source>Straight, %1 high</source>
        <translation>Quinte hauteur %1</translation>
    </message>
    <message>
        <source>Flush, %1-%2 high</source>
        <translation>Couleur hauteur %1-%2</translation>
    </message>
    <message>
        <source>Flush, %1</source>
        <translation>Couleur à %1</translation>
    </message>
    <message>
        <source>Full house, %1 full of %2</source>
        <translation>Full aux %1 par les %2</translation>
    </message>
    <message>
        <source>Full house, %1 full</source>
        <translation>Full aux %1</translation>
    </message>
    <message>
        <source>Four of a kind, %1</source>
        <translation>Carré de %1</translation>
    </message>
    <message>
        <source>Straight flush, %1 high</source>
        <translation>Quinte flush hauteur %1</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>six</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>valets</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>dames</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>rois</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>as</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>preflop</source>
        <translation>préflop</translation>
    </message>
    <message>
        <source>flop</source>
        <translation>flop</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>turn</translation>
    </message>
    <message>
        <source>river</source>
        <translation>river</translation>
    </message>
    <message>
        <source>folded</source>
        <translation>couché</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>parole</translation>
    </message>
    <message>
        <source>, flush draw</source>
        <translation>, tirage couleur</translation>
    </message>
    <message>
        <source>, open-ended straight draw</source>
        <translation>, tirage quinte par les deux bouts</translation>
    </message>
    <message>
        <source>, gutshot straight draw</source>
        <translation>, tirage quinte ventral</translation>
    </message>
    <message>
        <source>Pair of aces</source>
        <translation>Paire d&apos;as</translation>
    </message>
    <message>
        <source>Three of a kind, aces</source>
        <translation>Brelan d&apos;as</translation>
    </message>
    <message>
        <source>Four of a kind, aces</source>
        <translation>Carré d&apos;as</translation>
    </message>
    <message>
        <source>all in</source>
        <translation>tapis</translation>
    </message>
    <message>
        <source>Total pot %1 Main pot %2</source>
        <translation>Pot total %1 Pot principal %2</translation>
    </message>
    <message>
        <source>Total pot %1</source>
        <translation>Pot total %1</translation>
    </message>
    <message>
        <source>Side pot-%1 %2</source>
        <translation>Pot annexe %1 : %2</translation>
    </message>
    <message>
        <source>You collected %1 from main pot with %2</source>
        <translation>Vous remportez %1 du pot principal avec %2</translation>
    </message>
    <message>
        <source>You collected %1 from main pot</source>
        <translation>Vous remportez %1 du pot principal</translation>
    </message>
    <message>
        <source>You collected %1 from side pot-%2 with %3</source>
        <translation>Vous remportez %1 du pot annexe %2 avec %3</translation>
    </message>
    <message>
        <source>You collected %1 from side pot-%2</source>
        <translation>Vous remportez %1 du pot annexe %2</translation>
    </message>
    <message>
        <source>%1 collected %2 from main pot with %3</source>
        <translation>%1 remporte %2 du pot principal avec %3</translation>
    </message>
    <message>
        <source>%1 collected %2 from main pot</source>
        <translation>%1 remporte %2 du pot principal</translation>
    </message>
    <message>
        <source>%1 collected %2 from side pot-%3 with %4</source>
        <translation>%1 remporte %2 du pot annexe %3 avec %4</translation>
    </message>
    <message>
        <source>%1 collected %2 from side pot-%3</source>
        <translation>%1 remporte %2 du pot annexe %3</translation>
    </message>
    <message>
        <source>%1 goes back to %2</source>
        <translation>%1 retournent à %2</translation>
    </message>
    <message>
        <source>You sit out</source>
        <translation>Vous vous absentez</translation>
    </message>
    <message>
        <source>%1 sits out</source>
        <translation>%1 s&apos;absente</translation>
    </message>
    <message>
        <source>You pay %1 for sitting out on the button</source>
        <translation>Vous payez %1 pour votre absence au bouton</translation>
    </message>
    <message>
        <source>%1 takes seat %2 with %3</source>
        <translation>%1 prend la place %2 avec %3</translation>
    </message>
    <message>
        <source>%1 is out of the tournament</source>
        <translation>%1 est éliminé du tournoi</translation>
    </message>
    <message>
        <source>seat %1 closes</source>
        <translation>la place %1 ferme</translation>
    </message>
    <message>
        <source>You are out of chips: %1.</source>
        <translation>Vous n&apos;avez plus de jetons : %1.</translation>
    </message>
    <message>
        <source>you finished %1 of %2 and won %3</source>
        <translation>vous terminez à la place %1 sur %2 et gagnez %3</translation>
    </message>
    <message>
        <source>you finished %1 of %2</source>
        <translation>vous terminez à la place %1 sur %2</translation>
    </message>
    <message>
        <source>your rank is %1</source>
        <translation>votre rang est %1</translation>
    </message>
    <message>
        <source>You won the tournament!</source>
        <translation>Vous avez gagné le tournoi !</translation>
    </message>
    <message>
        <source>You leave the table.</source>
        <translation>Vous quittez la table.</translation>
    </message>
    <message>
        <source>The game stops: a chip count grew beyond what it can hold.</source>
        <translation>Le jeu s&apos;arrête : un compte de jetons a dépassé ce qu&apos;il peut contenir.</translation>
    </message>
    <message>
        <source>All in: the hands are turned up — %1</source>
        <translation>Tapis : les mains sont retournées — %1</translation>
    </message>
    <message>
        <source>Table %1, hand %2</source>
        <translation>Table %1, main %2</translation>
    </message>
    <message>
        <source>Blinds %1 ante %2</source>
        <translation>Blindes %1 ante %2</translation>
    </message>
    <message>
        <source>Blinds %1</source>
        <translation>Blindes %1</translation>
    </message>
    <message>
        <source>%1: %2 before the hand, %3 after</source>
        <translation>%1 : %2 avant la main, %3 après</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 joue %2</translation>
    </message>
    <message>
        <source>%1, %2 hands seen: puts chips in before the flop in %3 % (VPIP), raises before the flop in %4 % (PFR), re-raises a raise %5 % (of %6), bets and raises %7 times per call after the flop (%8 actions), folds to a continuation bet %9 % (of %10)</source>
        <translation>%1, %2 mains vues : met des jetons avant le flop dans %3 % (VPIP), relance avant le flop dans %4 % (PFR), surrelance une relance dans %5 % (sur %6), mise et relance %7 fois par suivi après le flop (%8 actions), se couche face à une mise de continuation dans %9 % (sur %10)</translation>
    </message>
    <message>
        <source>tight-passive</source>
        <translation>serré-passif</translation>
    </message>
    <message>
        <source>tight-aggressive</source>
        <translation>serré-agressif</translation>
    </message>
    <message>
        <source>loose-passive</source>
        <translation>large-passif</translation>
    </message>
    <message>
        <source>loose-aggressive</source>
        <translation>large-agressif</translation>
    </message>
</context>
</TS>
