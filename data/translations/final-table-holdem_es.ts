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
</context>
</TS>
