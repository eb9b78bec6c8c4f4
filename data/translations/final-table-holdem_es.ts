<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>holdem::ui::ActionPanel</name>
    <message>
        <source>Call</source>
        <translation>Igualar</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Retirarse</translation>
    </message>
    <message>
        <source>Bet It</source>
        <translation>Apostar esto</translation>
    </message>
    <message>
        <source>Sit Out</source>
        <translation>Ausentarse</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>½ Pot</source>
        <translation>½ bote</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>All in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Raise to</source>
        <translation>Subir a</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apostar</translation>
    </message>
</context>
<context>
    <name>holdem::ui::EquityCalculatorWindow</name>
    <message>
        <source>Equity calculator</source>
        <translation>Calculadora de equidad</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gana</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Equidad</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>random, a hand (AhKh) or a range (QQ+, AKs, AJo+)</source>
        <translation>random, una mano (AhKh) o un rango (QQ+, AKs, AJo+)</translation>
    </message>
    <message>
        <source>Player %1&apos;s hands</source>
        <translation>Manos del jugador %1</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Player %1&apos;s range on the grid</source>
        <translation>Rango del jugador %1 en la cuadrícula</translation>
    </message>
    <message>
        <source>none, or three to five cards: Kc 8h 3d</source>
        <translation>ninguna, o de tres a cinco cartas: Kc 8h 3d</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>cards out of the deck: 2s 7c</source>
        <translation>cartas fuera de la baraja: 2s 7c</translation>
    </message>
    <message>
        <source>Dead cards</source>
        <translation>Cartas muertas</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Añadir un jugador</translation>
    </message>
    <message>
        <source>Remove a player</source>
        <translation>Quitar un jugador</translation>
    </message>
    <message>
        <source>Player %1&apos;s range</source>
        <translation>Rango del jugador %1</translation>
    </message>
    <message>
        <source>Player %1 has no hands</source>
        <translation>El jugador %1 no tiene manos</translation>
    </message>
    <message>
        <source>Working it out…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <source>Exact: every one of %1 deals</source>
        <translation>Exacto: cada uno de los %1 repartos</translation>
    </message>
    <message>
        <source>Player %1: %2</source>
        <translation>Jugador %1: %2</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>La mesa</translation>
    </message>
    <message>
        <source>The dead cards</source>
        <translation>Las cartas muertas</translation>
    </message>
    <message>
        <source>Working: </source>
        <translation>Calculando: </translation>
    </message>
    <message>
        <source>%1 deals sampled · standard error ±%2 points</source>
        <translation>%1 repartos muestreados · error típico ±%2 puntos</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HandLogView</name>
    <message>
        <source>Hand log</source>
        <translation>Registro de manos</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HandsViewer</name>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Torneo</translation>
    </message>
    <message>
        <source>The hand&apos;s log</source>
        <translation>El registro de la mano</translation>
    </message>
    <message>
        <source>« First</source>
        <translation>« Inicio</translation>
    </message>
    <message>
        <source>‹ Back</source>
        <translation>‹ Atrás</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Forward ›</source>
        <translation>Adelante ›</translation>
    </message>
    <message>
        <source>Last »</source>
        <translation>Final »</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Your cards</source>
        <translation>Sus cartas</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Won or lost</source>
        <translation>Ganado o perdido</translation>
    </message>
    <message>
        <source>Reading the hands…</source>
        <translation>Leyendo las manos…</translation>
    </message>
    <message>
        <source>This tournament&apos;s hands were kept as a history only.</source>
        <translation>Las manos de este torneo solo se guardaron como historial.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>El archivo no se puede abrir: %1.</translation>
    </message>
    <message>
        <source>The file is larger than the %1 MB a hand history may be.</source>
        <translation>El archivo supera los %1 MB que puede tener un historial de manos.</translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation>1 mano</translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation>%1 manos</translation>
    </message>
    <message>
        <source>; only the first %1 hands are read</source>
        <translation>; solo se leen las primeras %1 manos</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>won</source>
        <translation>ganada</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdida</translation>
    </message>
    <message>
        <source>even</source>
        <translation>igualada</translation>
    </message>
    <message>
        <source>The hands cannot be read: %1.</source>
        <translation>Las manos no se pueden leer: %1.</translation>
    </message>
    <message>
        <source>, from the first %1 MB of the file; the rest is not read</source>
        <translation>, de los primeros %1 MB del archivo; el resto no se lee</translation>
    </message>
    <message>
        <source>; 1 line is no hand record and was left out</source>
        <translation>; 1 línea no es un registro de mano y se ha omitido</translation>
    </message>
    <message>
        <source>; %1 lines are no hand record and were left out</source>
        <translation>; %1 líneas no son registros de mano y se han omitido</translation>
    </message>
    <message>
        <source> (history only)</source>
        <translation> (solo historial)</translation>
    </message>
    <message>
        <source>Hand %1 cannot be replayed: %2</source>
        <translation>La mano %1 no se puede repetir: %2</translation>
    </message>
    <message>
        <source>This hand&apos;s record cannot be read: it is not one the game writes.</source>
        <translation>El registro de esta mano no se puede leer: no es uno de los que escribe el juego.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::HistoryFile</name>
    <message>
        <source>Hand history not written (%1): %2</source>
        <translation>Historial de manos no escrito (%1): %2</translation>
    </message>
</context>
<context>
    <name>holdem::ui::Notices</name>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;
&lt;p&gt;You sit at the bottom of a ten-seat table against nine computer players, in a tournament of
1000 entrants. When the turn comes to you the action panel opens and the clock waits for you.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Cómo se juega&lt;/h2&gt;
&lt;p&gt;Usted se sienta en la parte de abajo de una mesa de diez plazas contra nueve jugadores del
ordenador, en un torneo de 1000 participantes. Cuando le llega el turno se abre el panel de acción y
el reloj le espera.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Botones y teclas&lt;/h3&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Igualar&lt;/b&gt; / &lt;b&gt;Pasar&lt;/b&gt; &amp;nbsp; C&lt;/td&gt;&lt;td&gt;igualar la apuesta, o pasar cuando no hay nada que igualar&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Subir&lt;/b&gt; &amp;nbsp; R&lt;/td&gt;&lt;td&gt;la cantidad para igualar más dos unidades de ciega (el botón muestra el total)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Retirarse&lt;/b&gt; &amp;nbsp; F&lt;/td&gt;&lt;td&gt;abandonar la mano&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Apostar esto&lt;/b&gt; &amp;nbsp; B, luego Intro&lt;/td&gt;&lt;td&gt;la cantidad para igualar más la cantidad escrita en la casilla; la cantidad escrita debe ser al menos una subida estándar&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ausentarse&lt;/b&gt; &amp;nbsp; S&lt;/td&gt;&lt;td&gt;ausentarse desde la mano siguiente (en rojo mientras se pide); una petición vale hasta esa mano&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Salir&lt;/b&gt;&lt;/td&gt;&lt;td&gt;dejar el torneo; su puesto es definitivo&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Cuando se abre su turno, Intro o Espacio iguala (o pasa). Escape sale de la casilla de la
cantidad. M activa o quita el sonido, L muestra u oculta el registro de manos. Cualquier otra tecla
no hace nada.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The classic game&lt;/h3&gt;
&lt;p&gt;Every seat posts its blinds in turn from the dealer button; the betting goes round the table
seat by seat, and the flop, the turn and the river are shown when the round reaches its closing
seat. At the showdown the best hand at the table takes the pot, shared when hands tie. The
blinds rise on the clock shown at the right; broke computer seats are refilled from the field
until it runs out. The tournament ends when you have no chips left, or when you are the last
entrant standing.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;El juego clásico&lt;/h3&gt;
&lt;p&gt;Cada plaza pone sus ciegas por turno desde el botón del repartidor; las apuestas dan la vuelta a
la mesa plaza a plaza, y el flop, el turn y el river se muestran cuando la ronda llega a su plaza de
cierre. En el enfrentamiento final la mejor mano de la mesa se lleva el bote, repartido si hay
empate. Las ciegas suben según el reloj de la derecha; las plazas del ordenador arruinadas se vuelven
a ocupar desde el campo hasta que se agota. El torneo termina cuando usted se queda sin fichas, o
cuando es el último participante en pie.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Las reglas estándar&lt;/h3&gt;
&lt;p&gt;Hold&apos;em sin límite como lo juegan las salas de póker. El botón avanza una plaza por mano; la ciega
pequeña se sienta a su izquierda y la ciega grande a continuación (en un mano a mano el botón pone la
ciega pequeña). Antes del flop actúa primero la plaza a la izquierda de la ciega grande, y la ciega
grande aún puede subir un bote igualado; después del flop, la primera plaza a la izquierda del botón.
Se sube al menos lo que la última subida completa, cualquier cantidad hasta el all-in; un all-in
corto no reabre las apuestas. Una apuesta que nadie igualó se devuelve, y cada bote principal y
secundario va a la mejor mano que puso en él. Su panel ofrece Retirarse, Pasar o Igualar,
&lt;b&gt;Subir a&lt;/b&gt; la subida mínima (&lt;b&gt;Apostar&lt;/b&gt; cuando no hay apuesta), y ½ bote, Bote y All-in, que
ponen su total en la casilla de la cantidad: escriba el total al que sube y pulse Intro.&lt;/p&gt;
&lt;p&gt;Allí los jugadores del ordenador tienen cada uno un estilo (cerrado o abierto, pasivo o
agresivo): señale una plaza para verlo. Solo conocen sus propias cartas, la mesa y lo que hizo cada
uno.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Un torneo de todo el campo&lt;/h3&gt;
&lt;p&gt;Partida › Nuevo torneo… (Ctrl+N) prepara el próximo torneo: reglas, dificultad, ritmo,
estructura y campo (10 como sit-and-go, 100, 1.000 o 5.000 participantes); el torneo en juego solo
se abandona si usted está de acuerdo, y su puesto es definitivo. Con una estructura, cada mesa del
campo juega una mano por cada mano en la suya; las mesas se rompen y se equilibran como hacen los
directores de torneo, y cuando se rompe la suya usted se cambia con su pila. Las noticias se anuncian
sobre el tapete: su cambio de mesa, la burbuja (el campo juega mano a mano), la burbuja rota y la
mesa final de los últimos diez.&lt;/p&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Normal&lt;/b&gt;&lt;/td&gt;&lt;td&gt;20.000 fichas, 12 manos por nivel, 50/100 y luego 75/150, el ante de ciega grande desde 100/200&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Turbo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;10.000 fichas, 7 manos por nivel, el ante desde 75/150&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Hiperturbo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;5.000 fichas, 4 manos por nivel, como Turbo&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Profundo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;50.000 fichas, 15 manos por nivel, como Normal&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Reloj clásico&lt;/b&gt;&lt;/td&gt;&lt;td&gt;el contador del campo, las reposiciones y las ciegas del juego clásico&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;La ciega grande pone el ante antes que su ciega; el ante es dinero muerto en el bote principal.
Cobra alrededor del 15 % del campo, de entradas de 100 (dinero de juego), cada premio al menos 150.
El panel muestra el nivel, las ciegas y el ante, el nivel siguiente y las manos que faltan, su mesa,
su puesto en fichas entre los jugadores que quedan, la media, su pila en ciegas grandes y los puestos
pagados. Partida › Clasificación… (Ctrl+T) muestra los líderes en fichas, los premios con la burbuja
y cada mesa; elija una mesa para ver su última mano. Ver › Estadísticas en la mesa muestra el VPIP,
el PFR, los 3-bets y la agresividad de cada rival según lo que usted ha visto. Herramientas ›
Calculadora de equidad… calcula la equidad de manos y rangos (escritos como «QQ+, AKs, AJo+, 76s» o
marcados en la cuadrícula) con una mesa y cartas muertas.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;El entrenador&lt;/h3&gt;
&lt;p&gt;En su turno, la tecla H (Herramientas › Aconsejarme) pregunta al consejero qué haría un jugador
fuerte, a partir de lo que usted puede ver: la jugada y su tamaño, con la equidad contra las manos
que sugieren las acciones de los rivales, el precio, su pila en ciegas grandes, su posición y, cerca
de los premios, lo que los premios añaden a un gran riesgo. En las opciones puede hacer que aconseje
en cada turno. Cada una de sus decisiones con las reglas estándar se califica frente al consejo por
las fichas que se espera que cueste. Partida › Revisión… lista las decisiones más costosas de un
torneo; elija una para repetir su mano en ese momento. Partida › Estadísticas… muestra sus fugas:
VPIP y PFR por posición, subidas abandonadas ante una resubida, igualadas que el precio no pagaba y
el coste de sus decisiones calle a calle.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Opciones (Partida › Opciones…)&lt;/h3&gt;
&lt;table cellpadding=&quot;3&quot;&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Reglas de la mesa&lt;/b&gt;&lt;/td&gt;&lt;td&gt;el juego clásico, o las reglas estándar (con la clasificación estándar)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Dificultad&lt;/b&gt;&lt;/td&gt;&lt;td&gt;con las reglas estándar: Normal, Fácil (los jugadores cometen errores de verdad) o Difícil (leen sus acciones y equilibran sus faroles)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ritmo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;cuánto tarda cada plaza y el enfrentamiento final; «Acelerar cuando estoy fuera de la mano» juega rápido el resto de una mano abandonada&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Niveles de ciegas&lt;/b&gt;&lt;/td&gt;&lt;td&gt;según el reloj, o cada 10 manos&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Clasificación de manos&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la lectura propia del juego, o las cinco mejores de siete cartas con kickers&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Rivales&lt;/b&gt;&lt;/td&gt;&lt;td&gt;omniscientes, o justos: solo conocen sus propias cartas y la mesa mostrada&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Consejero&lt;/b&gt;&lt;/td&gt;&lt;td&gt;la línea del consejero en cada turno suyo, junto a la del ayudante de probabilidades&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;&lt;b&gt;Apariencia&lt;/b&gt;&lt;/td&gt;&lt;td&gt;una baraja de dos o cuatro colores (picas negras, corazones rojos, diamantes azules, tréboles verdes), un tapete verde, azul o morado, dorsos de celosía o de anillo, y un texto más grande en las placas de las plazas&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;El ritmo, los ayudantes y la apariencia cambian al momento; las demás opciones se aplican desde
el torneo siguiente. El torneo se guarda al principio de cada mano y se ofrece de nuevo cuando se
inicia el juego.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Leave this tournament? Your rank is final.</source>
        <translation>¿Abandonar este torneo? Su puesto es definitivo.</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Quedarse</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Nuevo torneo</translation>
    </message>
    <message>
        <source>Start a new tournament? The one in play ends here and your rank in it is final.</source>
        <translation>¿Empezar un torneo nuevo? El que está en juego termina aquí y su puesto en él es definitivo.</translation>
    </message>
    <message>
        <source>Start the new one</source>
        <translation>Empezar el nuevo</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Seguir jugando</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>About Final Table Hold&apos;em</source>
        <translation>Acerca de Final Table Hold&apos;em</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Final Table Hold&apos;em&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A single-player Texas hold&apos;em tournament.&lt;/p&gt;&lt;p&gt;Copyright © 2026 The Final Table Hold&apos;em developers, under the MIT License.&lt;/p&gt;&lt;p&gt;The text is set in DejaVu Sans, by the DejaVu fonts team, whose licence follows.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Final Table Hold&apos;em&lt;/h2&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un torneo de Texas hold&apos;em para un jugador.&lt;/p&gt;&lt;p&gt;Copyright © 2026 Los desarrolladores de Final Table Hold&apos;em, con la licencia MIT.&lt;/p&gt;&lt;p&gt;El texto usa DejaVu Sans, del equipo de fuentes DejaVu, cuya licencia sigue.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The font&apos;s licence is installed with the game.</source>
        <translation>La licencia de la fuente se instala con el juego.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Classic (the game&apos;s own betting)</source>
        <translation>Clásico (las apuestas propias del juego)</translation>
    </message>
    <message>
        <source>Standard (no-limit hold&apos;em: every raise answered, side pots)</source>
        <translation>Estándar (hold&apos;em sin límite: cada subida se responde, botes secundarios)</translation>
    </message>
    <message>
        <source>Classic (1.5 s a seat, 5 s at the showdown)</source>
        <translation>Clásico (1,5 s por asiento, 5 s en el enfrentamiento)</translation>
    </message>
    <message>
        <source>Quick (0.5 s a seat, 2.5 s at the showdown)</source>
        <translation>Rápido (0,5 s por asiento, 2,5 s en el enfrentamiento)</translation>
    </message>
    <message>
        <source>Fast (0.15 s a seat, 1.5 s at the showdown)</source>
        <translation>Muy rápido (0,15 s por asiento, 1,5 s en el enfrentamiento)</translation>
    </message>
    <message>
        <source>Hurry when I&apos;m out of the hand</source>
        <translation>Acelerar cuando estoy fuera de la mano</translation>
    </message>
    <message>
        <source>Classic (every 31 ticks of the clock)</source>
        <translation>Clásico (cada 31 pulsos del reloj)</translation>
    </message>
    <message>
        <source>By hands (every 10 hands)</source>
        <translation>Por manos (cada 10 manos)</translation>
    </message>
    <message>
        <source>Classic (the game&apos;s own reading)</source>
        <translation>Clásico (la lectura propia del juego)</translation>
    </message>
    <message>
        <source>Standard (best five cards, with kickers)</source>
        <translation>Estándar (las cinco mejores cartas, con kickers)</translation>
    </message>
    <message>
        <source>All-seeing (they know every hand and the board)</source>
        <translation>Omniscientes (conocen cada mano y la mesa)</translation>
    </message>
    <message>
        <source>Fair (they know their own cards and the board shown)</source>
        <translation>Justos (conocen sus cartas y la mesa descubierta)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Easy (they make real mistakes)</source>
        <translation>Fácil (cometen errores de verdad)</translation>
    </message>
    <message>
        <source>Hard (they read your actions and balance their bluffs)</source>
        <translation>Difícil (leen sus acciones y equilibran sus faroles)</translation>
    </message>
    <message>
        <source>Classic clock (the classic field and blinds)</source>
        <translation>Reloj clásico (el campo y las ciegas clásicos)</translation>
    </message>
    <message>
        <source>Regular (20,000 chips, levels of 12 hands, antes)</source>
        <translation>Normal (20.000 fichas, niveles de 12 manos, antes)</translation>
    </message>
    <message>
        <source>Turbo (10,000 chips, levels of 7 hands)</source>
        <translation>Turbo (10.000 fichas, niveles de 7 manos)</translation>
    </message>
    <message>
        <source>Hyper-turbo (5,000 chips, levels of 4 hands)</source>
        <translation>Hiperturbo (5.000 fichas, niveles de 4 manos)</translation>
    </message>
    <message>
        <source>Deep (50,000 chips, levels of 15 hands)</source>
        <translation>Profundo (50.000 fichas, niveles de 15 manos)</translation>
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
        <translation>1.000</translation>
    </message>
    <message>
        <source>5,000</source>
        <translation>5.000</translation>
    </message>
    <message>
        <source>Show my chances, the pot odds and the outs (an estimate)</source>
        <translation>Mostrar mis opciones, las probabilidades del bote y los outs (una estimación)</translation>
    </message>
    <message>
        <source>Say what a strong player would do, at every turn (H asks once)</source>
        <translation>Decir en cada turno lo que haría un jugador fuerte (H lo pide una vez)</translation>
    </message>
    <message>
        <source>Table rules</source>
        <translation>Reglas de la mesa</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Blind levels</source>
        <translation>Niveles de ciegas</translation>
    </message>
    <message>
        <source>Hand ranking</source>
        <translation>Clasificación de manos</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Rivales</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Estructura</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Odds helper</source>
        <translation>Ayuda de probabilidades</translation>
    </message>
    <message>
        <source>Advisor</source>
        <translation>Consejero</translation>
    </message>
    <message>
        <source>Two colours (hearts and diamonds red)</source>
        <translation>Dos colores (corazones y diamantes rojos)</translation>
    </message>
    <message>
        <source>Four colours (spades black, hearts red, diamonds blue, clubs green)</source>
        <translation>Cuatro colores (picas negras, corazones rojos, diamantes azules, tréboles verdes)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Lattice</source>
        <translation>Celosía</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anillo</translation>
    </message>
    <message>
        <source>Larger text on the seat plates</source>
        <translation>Texto más grande en las placas de los asientos</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Baraja</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Tapete</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Reversos</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>El idioma del sistema</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Idioma (desde el próximo inicio)</translation>
    </message>
    <message>
        <source>The pace, the odds helper, the advisor and the appearance change at once. The table rules, the blind levels, the ranking, the opponents and the difficulty apply from the next tournament.</source>
        <translation>El ritmo, la ayuda de probabilidades, el consejero y la apariencia cambian al momento. Las reglas de la mesa, los niveles de ciegas, la clasificación, los rivales y la dificultad valen desde el próximo torneo.</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Nuevo torneo</translation>
    </message>
    <message>
        <source>The new tournament starts with these choices, and they are kept for the ones after it.</source>
        <translation>El nuevo torneo empieza con estas opciones, que se guardan para los siguientes.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
</context>
<context>
    <name>holdem::ui::RangeGrid</name>
    <message>
        <source>Range of starting hands</source>
        <translation>Rango de manos iniciales</translation>
    </message>
    <message>
        <source>Click a kind of hand to take it in or out of the range</source>
        <translation>Pulse un tipo de mano para incluirlo en el rango o quitarlo</translation>
    </message>
</context>
<context>
    <name>holdem::ui::ReviewWindow</name>
    <message>
        <source>Review</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Torneo</translation>
    </message>
    <message>
        <source>The costliest decisions</source>
        <translation>Las decisiones más costosas</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Decisión</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>&amp;Tournament</source>
        <translation>&amp;Torneo</translation>
    </message>
    <message>
        <source>No decisions yet: they are graded in tournaments under the standard rules.</source>
        <translation>Aún no hay decisiones: se califican en los torneos con las reglas estándar.</translation>
    </message>
    <message>
        <source>The results cannot be read: %1.</source>
        <translation>Los resultados no se pueden leer: %1.</translation>
    </message>
    <message>
        <source>No decision of this tournament cost chips against the advice, up to its last hand played.</source>
        <translation>Ninguna decisión de este torneo costó fichas frente al consejo, hasta su última mano jugada.</translation>
    </message>
    <message>
        <source>The %1 costliest decisions; choose one to replay its hand there.</source>
        <translation>Las %1 decisiones más costosas; elija una para repetir su mano en ese punto.</translation>
    </message>
    <message>
        <source> · finished %1</source>
        <translation> · terminado en el puesto %1</translation>
    </message>
    <message>
        <source> · in play</source>
        <translation> · en juego</translation>
    </message>
</context>
<context>
    <name>holdem::ui::SavedGame</name>
    <message>
        <source>The saved tournament could not be resumed: %1. It was put aside as %2 and a new tournament starts.</source>
        <translation>El torneo guardado no se pudo reanudar: %1. Se ha apartado como %2 y empieza un torneo nuevo.</translation>
    </message>
    <message>
        <source>The saved tournament could not be resumed: %1. It could not be put aside either (%2); the new tournament&apos;s first save will replace it.</source>
        <translation>El torneo guardado no se pudo reanudar: %1. Tampoco se pudo apartar (%2); el primer guardado del torneo nuevo lo sustituirá.</translation>
    </message>
    <message>
        <source>Saved tournament: hand %1, %2 players left, your stack %3</source>
        <translation>Torneo guardado: mano %1, quedan %2 jugadores, su pila %3</translation>
    </message>
</context>
<context>
    <name>holdem::ui::SplashWindow</name>
    <message>
        <source>Multi Table Tournament Software</source>
        <translation>Programa de torneos multimesa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Opciones…</translation>
    </message>
    <message>
        <source>Resume tournament</source>
        <translation>Reanudar el torneo</translation>
    </message>
    <message>
        <source>New tournament</source>
        <translation>Nuevo torneo</translation>
    </message>
    <message>
        <source>Classic game</source>
        <translation>Juego clásico</translation>
    </message>
    <message>
        <source>Standard tournament</source>
        <translation>Torneo estándar</translation>
    </message>
    <message>
        <source>Choose the game: the classic game, or a standard no-limit tournament.</source>
        <translation>Elija el juego: el juego clásico o un torneo estándar sin límite.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::Spoken</name>
    <message>
        <source>%1 chips</source>
        <translation>%1 fichas</translation>
    </message>
    <message>
        <source>plays %1</source>
        <translation>juega %1</translation>
    </message>
    <message>
        <source>dealer</source>
        <translation>repartidor</translation>
    </message>
    <message>
        <source>to act</source>
        <translation>le toca</translation>
    </message>
    <message>
        <source>folded</source>
        <translation>retirado</translation>
    </message>
    <message>
        <source>check</source>
        <translation>pasar</translation>
    </message>
    <message>
        <source>fold</source>
        <translation>retirarse</translation>
    </message>
    <message>
        <source>all in</source>
        <translation>all-in</translation>
    </message>
    <message>
        <source>raise</source>
        <translation>subir</translation>
    </message>
    <message>
        <source>bet</source>
        <translation>apostar</translation>
    </message>
    <message>
        <source>call %1</source>
        <translation>igualar %1</translation>
    </message>
    <message>
        <source>raise to %1</source>
        <translation>subir a %1</translation>
    </message>
    <message>
        <source>raise %1</source>
        <translation>sube %1</translation>
    </message>
    <message>
        <source>bet %1</source>
        <translation>apostar %1</translation>
    </message>
    <message>
        <source>small blind %1</source>
        <translation>ciega pequeña %1</translation>
    </message>
    <message>
        <source>big blind %1</source>
        <translation>ciega grande %1</translation>
    </message>
    <message>
        <source>ante %1</source>
        <translation>ante %1</translation>
    </message>
    <message>
        <source>cards %1</source>
        <translation>cartas %1</translation>
    </message>
    <message>
        <source>won %1</source>
        <translation>gana %1</translation>
    </message>
    <message>
        <source>pot %1</source>
        <translation>bote %1</translation>
    </message>
    <message>
        <source>you hold %1</source>
        <translation>usted tiene %1</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>Mesa %1</translation>
    </message>
    <message>
        <source>No cards on the board</source>
        <translation>Ninguna carta en la mesa</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Su turno</translation>
    </message>
</context>
<context>
    <name>holdem::ui::StandingsWindow</name>
    <message>
        <source>Standings</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Puestos</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Biggest stack</source>
        <translation>Mayor pila</translation>
    </message>
    <message>
        <source>Chip leaders</source>
        <translation>Líderes en fichas</translation>
    </message>
    <message>
        <source>Payouts</source>
        <translation>Pagos</translation>
    </message>
    <message>
        <source>Tables: choose one to see its last hand</source>
        <translation>Mesas: elija una para ver su última mano</translation>
    </message>
    <message>
        <source> (yours)</source>
        <translation> (la suya)</translation>
    </message>
    <message>
        <source>Your own table: its hands are in the log and the Hands window.</source>
        <translation>Su propia mesa: sus manos están en el registro y en la ventana Manos.</translation>
    </message>
    <message>
        <source>This table has not played a hand yet.</source>
        <translation>Esta mesa aún no ha jugado ninguna mano.</translation>
    </message>
    <message>
        <source>Table %1&apos;s last hand: the stacks after it and the cards shown down.</source>
        <translation>Última mano de la mesa %1: las pilas después de ella y las cartas mostradas.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::StatisticsDialog</name>
    <message>
        <source> · finished %1</source>
        <translation> · terminado en el puesto %1</translation>
    </message>
    <message>
        <source> · in play</source>
        <translation> · en juego</translation>
    </message>
    <message>
        <source> · won %1</source>
        <translation> · ganado %1</translation>
    </message>
    <message>
        <source>button</source>
        <translation>botón</translation>
    </message>
    <message>
        <source>small blind</source>
        <translation>ciega pequeña</translation>
    </message>
    <message>
        <source>big blind</source>
        <translation>ciega grande</translation>
    </message>
    <message>
        <source>%1 after the button</source>
        <translation>%1 tras el botón</translation>
    </message>
    <message>
        <source>VPIP/PFR by position: %1</source>
        <translation>VPIP/PFR por posición: %1</translation>
    </message>
    <message>
        <source>Raises before the flop given up to a re-raise: %1 of %2 (%3)</source>
        <translation>Subidas antes del flop abandonadas ante una resubida: %1 de %2 (%3)</translation>
    </message>
    <message>
        <source>Calls the price did not pay for: %1 of %2, about %3 chips</source>
        <translation>Igualadas que el precio no pagaba: %1 de %2, unas %3 fichas</translation>
    </message>
    <message>
        <source>%1 %2 decisions, about %3 chips</source>
        <translation>%1 %2 decisiones, unas %3 fichas</translation>
    </message>
    <message>
        <source>Cost of decisions against the advice: %1</source>
        <translation>Coste de las decisiones contra el consejo: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>All rules</source>
        <translation>Todas las reglas</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>&amp;Rules:</source>
        <translation>&amp;Reglas:</translation>
    </message>
    <message>
        <source>&amp;Tournament:</source>
        <translation>&amp;Torneo:</translation>
    </message>
    <message>
        <source>Reading the results…</source>
        <translation>Leyendo los resultados…</translation>
    </message>
    <message>
        <source> (%1 finished)</source>
        <translation> (%1 terminados)</translation>
    </message>
    <message>
        <source>Tournaments %1%2 · wins %3 · best finish %4 · mean finish %5
Hands %6 · VPIP %7 · PFR %8 · aggression %9 · showdowns won %10</source>
        <translation>Torneos %1%2 · victorias %3 · mejor puesto %4 · puesto medio %5
Manos %6 · VPIP %7 · PFR %8 · agresividad %9 · enfrentamientos ganados %10</translation>
    </message>
    <message>
        <source>In the money %1 of %2 (%3) · prizes %4 for buy-ins %5 · return %6</source>
        <translation>En premios %1 de %2 (%3) · premios %4 por entradas de %5 · retorno %6</translation>
    </message>
    <message>
        <source>Tournaments 0: none played under these rules yet.</source>
        <translation>Torneos 0: aún no se ha jugado ninguno con estas reglas.</translation>
    </message>
    <message>
        <source>No results yet: they are kept from the first hand you play.</source>
        <translation>Aún no hay resultados: se guardan desde la primera mano que juegue.</translation>
    </message>
    <message>
        <source>The results cannot be shown: %1</source>
        <translation>Los resultados no se pueden mostrar: %1</translation>
    </message>
    <message>
        <source>Final rank, tournament by tournament</source>
        <translation>Puesto final, torneo a torneo</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Torneo</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>No tournament has finished yet.</source>
        <translation>Aún no ha terminado ningún torneo.</translation>
    </message>
    <message>
        <source>Your stack, hand by hand</source>
        <translation>Su pila, mano a mano</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>No hand of this tournament is kept yet.</source>
        <translation>Aún no se guarda ninguna mano de este torneo.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableView</name>
    <message>
        <source>You sit out from the next hand; this cannot be undone before then</source>
        <translation>Se ausenta desde la próxima mano; no se puede deshacer hasta entonces</translation>
    </message>
    <message>
        <source>You play again from the next hand; this cannot be undone before then</source>
        <translation>Vuelve a jugar desde la próxima mano; no se puede deshacer hasta entonces</translation>
    </message>
    <message>
        <source>You hold %1</source>
        <translation>Usted tiene %1</translation>
    </message>
    <message>
        <source>advice: %1</source>
        <translation>consejo: %1</translation>
    </message>
    <message>
        <source>Advice: %1</source>
        <translation>Consejo: %1</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New tournament…</source>
        <translation>&amp;Nuevo torneo…</translation>
    </message>
    <message>
        <source>&amp;Options…</source>
        <translation>&amp;Opciones…</translation>
    </message>
    <message>
        <source>&amp;Hands…</source>
        <translation>&amp;Manos…</translation>
    </message>
    <message>
        <source>Open hand histor&amp;y…</source>
        <translation>Abrir &amp;historial…</translation>
    </message>
    <message>
        <source>Open hand history</source>
        <translation>Abrir historial de manos</translation>
    </message>
    <message>
        <source>Hand histories (*.phh *.phhs)</source>
        <translation>Historiales de manos (*.phh *.phhs)</translation>
    </message>
    <message>
        <source>Stan&amp;dings…</source>
        <translation>&amp;Clasificación…</translation>
    </message>
    <message>
        <source>&amp;Review…</source>
        <translation>&amp;Revisión…</translation>
    </message>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>Es&amp;tadísticas…</translation>
    </message>
    <message>
        <source>Open the hand histories&apos; &amp;folder</source>
        <translation>Abrir la car&amp;peta de historiales</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Hand &amp;log</source>
        <translation>&amp;Registro de manos</translation>
    </message>
    <message>
        <source>&amp;Statistics on the table</source>
        <translation>&amp;Estadísticas en la mesa</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Equity calculator…</source>
        <translation>Calculadora de &amp;equidad…</translation>
    </message>
    <message>
        <source>&amp;Advise me</source>
        <translation>&amp;Aconsejarme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Tournament Area</source>
        <translation>Zona del torneo</translation>
    </message>
    <message>
        <source>The statistics are not installed with this copy of the game.</source>
        <translation>Las estadísticas no están instaladas con esta copia del juego.</translation>
    </message>
    <message>
        <source>Results not kept: %1</source>
        <translation>Resultados no guardados: %1</translation>
    </message>
    <message>
        <source>The saved tournament could not be removed: %1</source>
        <translation>El torneo guardado no se pudo eliminar: %1</translation>
    </message>
    <message>
        <source>Not saved: %1; the save from hand %2 is kept</source>
        <translation>No guardado: %1; se conserva el guardado de la mano %2</translation>
    </message>
    <message>
        <source>Not saved: %1; no earlier save is kept</source>
        <translation>No guardado: %1; no se conserva ningún guardado anterior</translation>
    </message>
    <message>
        <source>It will be offered at the next start.</source>
        <translation>Se ofrecerá en el próximo inicio.</translation>
    </message>
    <message>
        <source>You won the tournament!</source>
        <translation>¡Ha ganado el torneo!</translation>
    </message>
    <message>
        <source>You are out of chips.</source>
        <translation>Se ha quedado sin fichas.</translation>
    </message>
    <message>
        <source>The game had to stop: a chip count grew beyond what it can hold.</source>
        <translation>El juego tuvo que detenerse: una cuenta de fichas superó lo que puede guardar.</translation>
    </message>
</context>
<context>
    <name>holdem::ui::TableWords</name>
    <message>
        <source>Fold</source>
        <translation>Retirarse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Igualar %1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Apuesta %1</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation>Subida %1</translation>
    </message>
    <message>
        <source>All in</source>
        <translation>All-in</translation>
    </message>
    <message>
        <source>Small blind %1</source>
        <translation>Ciega pequeña %1</translation>
    </message>
    <message>
        <source>Big blind %1</source>
        <translation>Ciega grande %1</translation>
    </message>
    <message>
        <source>Ante %1</source>
        <translation>Ante %1</translation>
    </message>
    <message>
        <source>Pot %1</source>
        <translation>Bote %1</translation>
    </message>
    <message>
        <source>Main pot %1</source>
        <translation>Bote principal %1</translation>
    </message>
    <message>
        <source>Side pot %1</source>
        <translation>Bote secundario %1</translation>
    </message>
    <message>
        <source>bet %1 … %2, then Enter</source>
        <translation>apostar %1 … %2, luego Intro</translation>
    </message>
    <message>
        <source>raise to %1 … %2, then Enter</source>
        <translation>subir a %1 … %2, luego Intro</translation>
    </message>
    <message>
        <source>bet %1, then Enter</source>
        <translation>apostar %1, luego Intro</translation>
    </message>
    <message>
        <source>raise to %1, then Enter</source>
        <translation>subir a %1, luego Intro</translation>
    </message>
    <message>
        <source>no raise: you may call or fold</source>
        <translation>sin subida: igualar o retirarse</translation>
    </message>
    <message>
        <source>Level %1: %2 ante %3</source>
        <translation>Nivel %1: %2 ante %3</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation>Mesa %1</translation>
    </message>
    <message>
        <source>Next %1 ante %2 in %3 hands</source>
        <translation>Después %1 ante %2 en %3 manos</translation>
    </message>
    <message>
        <source>Next %1 in %2 hands</source>
        <translation>Después %1 en %2 manos</translation>
    </message>
    <message>
        <source>Rank %1 of %2</source>
        <translation>Puesto %1 de %2</translation>
    </message>
    <message>
        <source>Average %1</source>
        <translation>Media %1</translation>
    </message>
    <message>
        <source>You %1 BB</source>
        <translation>Usted %1 BB</translation>
    </message>
    <message>
        <source>%1 paid</source>
        <translation>%1 pagados</translation>
    </message>
    <message>
        <source>hand for hand</source>
        <translation>mano a mano</translation>
    </message>
    <message>
        <source>final table</source>
        <translation>mesa final</translation>
    </message>
    <message>
        <source>Limits Go Up in mins %1 : %2 sec</source>
        <translation>Los límites suben en %1 min : %2 s</translation>
    </message>
    <message>
        <source>Limits %1 - %2</source>
        <translation>Límites %1 - %2</translation>
    </message>
    <message>
        <source>Limits go up in %1 hands</source>
        <translation>Los límites suben en %1 manos</translation>
    </message>
    <message>
        <source>Your Rank is %1</source>
        <translation>Su puesto es %1</translation>
    </message>
    <message>
        <source>You fold</source>
        <translation>Usted se retira</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 se retira</translation>
    </message>
    <message>
        <source>You check</source>
        <translation>Usted pasa</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 pasa</translation>
    </message>
    <message>
        <source>You call %1</source>
        <translation>Usted iguala %1</translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation>%1 iguala %2</translation>
    </message>
    <message>
        <source>You bet %1</source>
        <translation>Usted apuesta %1</translation>
    </message>
    <message>
        <source>%1 bets %2</source>
        <translation>%1 apuesta %2</translation>
    </message>
    <message>
        <source>You raise to %1</source>
        <translation>Usted sube a %1</translation>
    </message>
    <message>
        <source>%1 raises to %2</source>
        <translation>%1 sube a %2</translation>
    </message>
    <message>
        <source>You raise %1 to %2</source>
        <translation>Usted sube %1 hasta %2</translation>
    </message>
    <message>
        <source>%1 raises %2 to %3</source>
        <translation>%1 sube %2 hasta %3</translation>
    </message>
    <message>
        <source>You go all in with %1</source>
        <translation>Usted va all-in con %1</translation>
    </message>
    <message>
        <source>%1 goes all in with %2</source>
        <translation>%1 va all-in con %2</translation>
    </message>
    <message>
        <source>You post the ante %1</source>
        <translation>Usted paga el ante %1</translation>
    </message>
    <message>
        <source>%1 posts the ante %2</source>
        <translation>%1 paga el ante %2</translation>
    </message>
    <message>
        <source>You post the small blind %1</source>
        <translation>Usted paga la ciega pequeña %1</translation>
    </message>
    <message>
        <source>%1 posts the small blind %2</source>
        <translation>%1 paga la ciega pequeña %2</translation>
    </message>
    <message>
        <source>You post the big blind %1</source>
        <translation>Usted paga la ciega grande %1</translation>
    </message>
    <message>
        <source>%1 posts the big blind %2</source>
        <translation>%1 paga la ciega grande %2</translation>
    </message>
    <message>
        <source>You muck</source>
        <translation>Usted tira sus cartas</translation>
    </message>
    <message>
        <source>%1 mucks</source>
        <translation>%1 tira sus cartas</translation>
    </message>
    <message>
        <source>You show %1 (%2)</source>
        <translation>Usted muestra %1 (%2)</translation>
    </message>
    <message>
        <source>%1 shows %2 (%3)</source>
        <translation>%1 muestra %2 (%3)</translation>
    </message>
    <message>
        <source>%1 collected %2 from pot with %3</source>
        <translation>%1 se lleva %2 del bote con %3</translation>
    </message>
    <message>
        <source>%1 collected %2 from pot</source>
        <translation>%1 se lleva %2 del bote</translation>
    </message>
    <message>
        <source>Uncalled bet (%1) returned to %2</source>
        <translation>Apuesta no igualada (%1) devuelta a %2</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2, You deal</source>
        <translation>--- Mano %1 --- ciegas %2, usted reparte</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2, %3 deals</source>
        <translation>--- Mano %1 --- ciegas %2, reparte %3</translation>
    </message>
    <message>
        <source>--- Hand %1 --- blinds %2</source>
        <translation>--- Mano %1 --- ciegas %2</translation>
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
        <translation>Usted</translation>
    </message>
    <message>
        <source> and is all in</source>
        <translation> y va all-in</translation>
    </message>
    <message>
        <source> and are all in</source>
        <translation> y va all-in</translation>
    </message>
    <message>
        <source>You collected %1 from pot with %2</source>
        <translation>Usted se lleva %1 del bote con %2</translation>
    </message>
    <message>
        <source>You collected %1 from pot</source>
        <translation>Usted se lleva %1 del bote</translation>
    </message>
    <message>
        <source>Raise to %1</source>
        <translation>Subir a %1</translation>
    </message>
    <message>
        <source>All in %1</source>
        <translation>All-in %1</translation>
    </message>
    <message>
        <source>You finished %1 of %2 and won %3</source>
        <translation>Termina en el puesto %1 de %2 y gana %3</translation>
    </message>
    <message>
        <source>You finished %1 of %2</source>
        <translation>Termina en el puesto %1 de %2</translation>
    </message>
    <message>
        <source>The final table: the last %1 play on</source>
        <translation>La mesa final: los últimos %1 siguen jugando</translation>
    </message>
    <message>
        <source>The bubble has burst: the last %1 are in the money</source>
        <translation>La burbuja ha estallado: los últimos %1 cobran premio</translation>
    </message>
    <message>
        <source>The money bubble: %1 left, %2 paid</source>
        <translation>La burbuja: quedan %1, %2 cobran</translation>
    </message>
    <message>
        <source>Hand for hand</source>
        <translation>Mano a mano</translation>
    </message>
    <message>
        <source>Your table is broken: you move to table %1</source>
        <translation>Su mesa se rompe: pasa a la mesa %1</translation>
    </message>
    <message>
        <source>The tables are balanced: you move to table %1</source>
        <translation>Las mesas se equilibran: pasa a la mesa %1</translation>
    </message>
    <message>
        <source>You win %1 with %2</source>
        <translation>Usted gana %1 con %2</translation>
    </message>
    <message>
        <source>You win %1</source>
        <translation>Usted gana %1</translation>
    </message>
    <message>
        <source>%1 wins %2 with %3</source>
        <translation>%1 gana %2 con %3</translation>
    </message>
    <message>
        <source>%1 wins %2</source>
        <translation>%1 gana %2</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 win %3 each with %4</source>
        <translation>Bote dividido: %1 y %2 ganan %3 cada uno con %4</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 win %3 each</source>
        <translation>Bote dividido: %1 y %2 ganan %3 cada uno</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2 with %3</source>
        <translation>Bote dividido: %1 y %2 con %3</translation>
    </message>
    <message>
        <source>Split pot: %1 and %2</source>
        <translation>Bote dividido: %1 y %2</translation>
    </message>
    <message>
        <source>Estimate: win %1%, tie %2%</source>
        <translation>Estimación: gana %1 %, empata %2 %</translation>
    </message>
    <message>
        <source>Estimate: equity %1% against their likely hands</source>
        <translation>Estimación: equidad %1 % contra sus manos probables</translation>
    </message>
    <message>
        <source>pot odds %1%</source>
        <translation>probabilidades del bote %1 %</translation>
    </message>
    <message>
        <source>%1 outs</source>
        <translation>%1 outs</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3 % needed at this price, %4</source>
        <translation>%1: %2 % de equidad contra sus manos probables, %3 % necesario a este precio, %4</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3 % needed at this price</source>
        <translation>%1: %2 % de equidad contra sus manos probables, %3 % necesario a este precio</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands, %3</source>
        <translation>%1: %2 % de equidad contra sus manos probables, %3</translation>
    </message>
    <message>
        <source>%1: %2 % equity against their likely hands</source>
        <translation>%1: %2 % de equidad contra sus manos probables</translation>
    </message>
    <message>
        <source>short, all in or fold</source>
        <translation>corto: all-in o retirarse</translation>
    </message>
    <message>
        <source>a top %1 % hand</source>
        <translation>una mano del %1 % mejor</translation>
    </message>
    <message>
        <source>%1 big blinds</source>
        <translation>%1 ciegas grandes</translation>
    </message>
    <message>
        <source>last to act</source>
        <translation>último en actuar</translation>
    </message>
    <message>
        <source>%1 to act after you</source>
        <translation>%1 actúan después de usted</translation>
    </message>
    <message>
        <source>%1 still to act</source>
        <translation>faltan %1 por actuar</translation>
    </message>
    <message>
        <source>near the money a call must carry %1 points more</source>
        <translation>cerca de los premios una igualada debe llevar %1 puntos más</translation>
    </message>
    <message>
        <source>%1 of %2 left</source>
        <translation>quedan %1 de %2</translation>
    </message>
    <message>
        <source>average %1</source>
        <translation>media %1</translation>
    </message>
    <message>
        <source>prize pool %1</source>
        <translation>bolsa de premios %1</translation>
    </message>
    <message>
        <source>You: rank %1 of %2 with %3 at table %4</source>
        <translation>Usted: puesto %1 de %2 con %3 en la mesa %4</translation>
    </message>
    <message>
        <source>In the money: every player left is paid</source>
        <translation>En premios: cada jugador que queda cobra</translation>
    </message>
    <message>
        <source>On the bubble: the next player out finishes %1 and is paid nothing</source>
        <translation>En la burbuja: el próximo eliminado termina %1 y no cobra nada</translation>
    </message>
    <message>
        <source>The bubble: %1 is paid nothing</source>
        <translation>La burbuja: el puesto %1 no cobra nada</translation>
    </message>
    <message>
        <source>%1 more players out and the rest are paid</source>
        <translation>%1 jugadores más fuera y el resto cobra</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.º</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 with %2 % equity needing %3 %: about −%4 chips</source>
        <translation>%1 con %2 % de equidad y %3 % necesario: unas −%4 fichas</translation>
    </message>
    <message>
        <source>%1 with %2 % equity: about −%3 chips</source>
        <translation>%1 con %2 % de equidad: unas −%3 fichas</translation>
    </message>
    <message>
        <source>called %1</source>
        <translation>igualó %1</translation>
    </message>
    <message>
        <source>bet %1</source>
        <translation>apostó %1</translation>
    </message>
    <message>
        <source>raised to %1</source>
        <translation>subió a %1</translation>
    </message>
    <message>
        <source>moved all in for %1</source>
        <translation>all-in por %1</translation>
    </message>
    <message>
        <source>Royal flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>High card, %1</source>
        <translation>Carta alta, %1</translation>
    </message>
    <message>
        <source>Pair of %1</source>
        <translation>Pareja de %1</translation>
    </message>
    <message>
        <source>Two pair, %1 and %2</source>
        <translation>Doble pareja, %1 y %2</translation>
    </message>
    <message>
        <source>Two pair, %1 high</source>
        <translation>Doble pareja, %1 arriba</translation>
    </message>
    <message>
        <source>Three of a kind, %1</source>
        <translation>Trío de %1</translation>
    </message>
    <message>
        <source>Straight, %1 high</source>
        <translation>Escalera al %1</translation>
    </message>
    <message>
        <source>Flush, %1-%2 high</source>
        <translation>Color al %1-%2</translation>
    </message>
    <message>
        <source>Flush, %1</source>
        <translation>Color de %1</translation>
    </message>
    <message>
        <source>Full house, %1 full of %2</source>
        <translation>Full de %1 con %2</translation>
    </message>
    <message>
        <source>Full house, %1 full</source>
        <translation>Full de %1</translation>
    </message>
    <message>
        <source>Four of a kind, %1</source>
        <translation>Póker de %1</translation>
    </message>
    <message>
        <source>Straight flush, %1 high</source>
        <translation>Escalera de color al %1</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>doses</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>treses</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>cuatros</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cincos</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>seises</translation>
    </message>
    <message>
        <source>sevens</source>
        <translation>sietes</translation>
    </message>
    <message>
        <source>eights</source>
        <translation>ochos</translation>
    </message>
    <message>
        <source>nines</source>
        <translation>nueves</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dieces</translation>
    </message>
    <message>
        <source>jacks</source>
        <translation>jotas</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>reinas</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>reyes</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>ases</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>preflop</source>
        <translation>preflop</translation>
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
        <translation>se retiró</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>pasó</translation>
    </message>
    <message>
        <source>, flush draw</source>
        <translation>, proyecto de color</translation>
    </message>
    <message>
        <source>, open-ended straight draw</source>
        <translation>, proyecto de escalera abierta</translation>
    </message>
    <message>
        <source>, gutshot straight draw</source>
        <translation>, proyecto de escalera interna</translation>
    </message>
    <message>
        <source>Pair of aces</source>
        <translation>Pareja de ases</translation>
    </message>
    <message>
        <source>Three of a kind, aces</source>
        <translation>Trío de ases</translation>
    </message>
    <message>
        <source>Four of a kind, aces</source>
        <translation>Póker de ases</translation>
    </message>
    <message>
        <source>all in</source>
        <translation>all-in</translation>
    </message>
    <message>
        <source>Total pot %1 Main pot %2</source>
        <translation>Bote total %1 Bote principal %2</translation>
    </message>
    <message>
        <source>Total pot %1</source>
        <translation>Bote total %1</translation>
    </message>
    <message>
        <source>Side pot-%1 %2</source>
        <translation>Bote secundario %1: %2</translation>
    </message>
    <message>
        <source>You collected %1 from main pot with %2</source>
        <translation>Usted se lleva %1 del bote principal con %2</translation>
    </message>
    <message>
        <source>You collected %1 from main pot</source>
        <translation>Usted se lleva %1 del bote principal</translation>
    </message>
    <message>
        <source>You collected %1 from side pot-%2 with %3</source>
        <translation>Usted se lleva %1 del bote secundario %2 con %3</translation>
    </message>
    <message>
        <source>You collected %1 from side pot-%2</source>
        <translation>Usted se lleva %1 del bote secundario %2</translation>
    </message>
    <message>
        <source>%1 collected %2 from main pot with %3</source>
        <translation>%1 se lleva %2 del bote principal con %3</translation>
    </message>
    <message>
        <source>%1 collected %2 from main pot</source>
        <translation>%1 se lleva %2 del bote principal</translation>
    </message>
    <message>
        <source>%1 collected %2 from side pot-%3 with %4</source>
        <translation>%1 se lleva %2 del bote secundario %3 con %4</translation>
    </message>
    <message>
        <source>%1 collected %2 from side pot-%3</source>
        <translation>%1 se lleva %2 del bote secundario %3</translation>
    </message>
    <message>
        <source>%1 goes back to %2</source>
        <translation>%1 vuelven a %2</translation>
    </message>
    <message>
        <source>You sit out</source>
        <translation>Usted se ausenta</translation>
    </message>
    <message>
        <source>%1 sits out</source>
        <translation>%1 se ausenta</translation>
    </message>
    <message>
        <source>You pay %1 for sitting out on the button</source>
        <translation>Usted paga %1 por ausentarse en el botón</translation>
    </message>
    <message>
        <source>%1 takes seat %2 with %3</source>
        <translation>%1 ocupa la plaza %2 con %3</translation>
    </message>
    <message>
        <source>%1 is out of the tournament</source>
        <translation>%1 queda fuera del torneo</translation>
    </message>
    <message>
        <source>seat %1 closes</source>
        <translation>la plaza %1 se cierra</translation>
    </message>
    <message>
        <source>You are out of chips: %1.</source>
        <translation>Se ha quedado sin fichas: %1.</translation>
    </message>
    <message>
        <source>you finished %1 of %2 and won %3</source>
        <translation>termina en el puesto %1 de %2 y gana %3</translation>
    </message>
    <message>
        <source>you finished %1 of %2</source>
        <translation>termina en el puesto %1 de %2</translation>
    </message>
    <message>
        <source>your rank is %1</source>
        <translation>su puesto es %1</translation>
    </message>
    <message>
        <source>You won the tournament!</source>
        <translation>¡Ha ganado el torneo!</translation>
    </message>
    <message>
        <source>You leave the table.</source>
        <translation>Usted deja la mesa.</translation>
    </message>
    <message>
        <source>The game stops: a chip count grew beyond what it can hold.</source>
        <translation>El juego se detiene: una cuenta de fichas superó lo que puede guardar.</translation>
    </message>
    <message>
        <source>All in: the hands are turned up — %1</source>
        <translation>All-in: las manos se destapan — %1</translation>
    </message>
    <message>
        <source>Table %1, hand %2</source>
        <translation>Mesa %1, mano %2</translation>
    </message>
    <message>
        <source>Blinds %1 ante %2</source>
        <translation>Ciegas %1 ante %2</translation>
    </message>
    <message>
        <source>Blinds %1</source>
        <translation>Ciegas %1</translation>
    </message>
    <message>
        <source>%1: %2 before the hand, %3 after</source>
        <translation>%1: %2 antes de la mano, %3 después</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 juega %2</translation>
    </message>
    <message>
        <source>%1, %2 hands seen: puts chips in before the flop in %3 % (VPIP), raises before the flop in %4 % (PFR), re-raises a raise %5 % (of %6), bets and raises %7 times per call after the flop (%8 actions), folds to a continuation bet %9 % (of %10)</source>
        <translation>%1, %2 manos vistas: pone fichas antes del flop en el %3 % (VPIP), sube antes del flop en el %4 % (PFR), resube una subida en el %5 % (de %6), apuesta y sube %7 veces por igualada después del flop (%8 acciones), se retira ante una apuesta de continuación en el %9 % (de %10)</translation>
    </message>
    <message>
        <source>tight-passive</source>
        <translation>cerrado-pasivo</translation>
    </message>
    <message>
        <source>tight-aggressive</source>
        <translation>cerrado-agresivo</translation>
    </message>
    <message>
        <source>loose-passive</source>
        <translation>abierto-pasivo</translation>
    </message>
    <message>
        <source>loose-aggressive</source>
        <translation>abierto-agresivo</translation>
    </message>
</context>
</TS>
