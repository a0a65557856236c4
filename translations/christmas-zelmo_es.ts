<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../cards/BoardAccessible.cpp" line="+74"/>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cards</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n cartas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Card table</source>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>face-down card</source>
        <translation>carta boca abajo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2</source>
        <extracomment>%1 a card, %2 the pile it lies in: &quot;Queen of Hearts, your hand&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, playable</source>
        <extracomment>%1 a card, perhaps with its pile</extracomment>
        <translation>%1, jugable</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <location filename="../cards/CardNames.cpp" line="+11"/>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 of %2</source>
        <extracomment>%1 the value, %2 the suit: &quot;Queen of Hearts&quot;</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <location filename="../shell/Commons.cpp" line="+22"/>
        <location filename="../tools/packagetexts/PackageTexts.cpp" line="+6"/>
        <source>Christmas Zelmo</source>
        <translation>Christmas Zelmo</translation>
    </message>
    <message>
        <location filename="../tools/packagetexts/PackageTexts.cpp" line="+1"/>
        <source>Card Game</source>
        <translation>Juego de cartas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack and defend with a 36-card deck against the computer</source>
        <translation>Ataca y defiende con una baraja de 36 cartas contra el ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cards;zelmo;christmas;</source>
        <translation>cartas;naipes;zelmo;navidad;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas card game against the computer</source>
        <translation>Juego de cartas navideño contra el ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a trump suit. You play against the computer in three variants:</source>
        <translation>Christmas Zelmo es un juego de cartas de ataque y defensa con una baraja de 36 cartas y un palo de triunfo. Juegas contra el ordenador en tres variantes:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mover: the defender may pass the attack on by moving the table to the other player.</source>
        <translation>Traspaso: el defensor puede pasar el ataque al otro jugador pasándole la mesa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heap: every card played stays on one growing heap, and a side that cannot beat its top card takes the top three, or five under a trump.</source>
        <translation>Montón: cada carta jugada se queda en un montón que crece, y quien no puede matar la carta de arriba recoge las tres de arriba, o cinco si es un triunfo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round: a capture phase around a ring of nine cards, then an attack phase.</source>
        <translation>Ronda: una fase de capturas alrededor de un círculo de nueve cartas y después una fase de ataque.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cards fly across the table in smooth animations. Ask for a hint, let the computer play your side, read the rules in the built-in help, and choose card backs, backgrounds and the pace of the animation.</source>
        <translation>Las cartas vuelan por la mesa con animaciones suaves. Pide una pista, deja que el ordenador juegue por ti, lee las reglas en la ayuda integrada y elige los dorsos, el fondo y el ritmo de la animación.</translation>
    </message>
</context>
<context>
    <name>TChooser</name>
    <message>
        <location filename="../shell/Chooser.cpp" line="+29"/>
        <source>Mover Zelmo -- the most popular</source>
        <translation>Traspaso Zelmo -- el más popular</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heap Zelmo -- a very unpredictable play</source>
        <translation>Montón Zelmo -- lleno de sorpresas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round Zelmo -- take more to win</source>
        <translation>Ronda Zelmo -- quien más se lleva, gana</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Select a gift! (click on game&apos;s name)</source>
        <translation>¡Elige un regalo! (clic en el nombre del juego)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas tree with gifts</source>
        <translation>Árbol de Navidad con regalos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a gift from under the tree to play game</source>
        <translation>Elige un regalo bajo el árbol para jugar</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <location filename="../shell/About.cpp" line="+49"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Christmas Edition</source>
        <translation>Edición de Navidad</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Christmas Zelmo homepage:</source>
        <translation>Página de Christmas Zelmo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If you have any questions, comments or suggestions about Christmas Zelmo, e-mail author:</source>
        <translation>Si tienes preguntas, comentarios o sugerencias sobre Christmas Zelmo, escribe al autor:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s e-mail:</source>
        <translation>Correo del autor:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your feedback will be gladly accepted.</source>
        <translation>Tu opinión será muy bienvenida.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TFGameOver</name>
    <message>
        <location filename="../shell/GameOver.cpp" line="+19"/>
        <source>&quot;Do I play better?&quot;</source>
        <translation>&quot;¿Será que juego mejor?&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Nobody wins&quot;</source>
        <translation>&quot;Nadie gana&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I gave him odds&quot;</source>
        <translation>&quot;Le he dado ventaja&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Hmm... Result is nothing.&quot;</source>
        <translation>&quot;Mmm... Resultado: nada.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;The next game will be...&quot;</source>
        <translation>&quot;La próxima partida será...&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can win all other games too!&quot;</source>
        <translation>&quot;¡También puedo ganar todas las demás!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;It was a piece of cake!&quot;</source>
        <translation>&quot;¡Ha sido pan comido!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Remember son: computer cannot beat human&quot;</source>
        <translation>&quot;Recuerda, hijo: el ordenador no puede con el humano&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Oops! It&apos;s just a bad luck&quot;</source>
        <translation>&quot;¡Vaya! Solo es mala suerte&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I got entangled&quot;</source>
        <translation>&quot;Me he liado&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;He! Makes! Me! Crazy!!!&quot;</source>
        <translation>&quot;¡Me! ¡Saca! ¡De! ¡Quicio!!!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can beat him right now&quot;</source>
        <translation>&quot;Puedo ganarle ahora mismo&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You win</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer wins</source>
        <translation>Gana el ordenador</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Picture of the result</source>
        <translation>Imagen del resultado</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Play again!</source>
        <translation>¡Otra partida!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <location filename="../shell/GameCommands.cpp" line="+72"/>
        <source>%1: %2 won, %3 lost, %4 drawn</source>
        <translation>%1: %2 ganadas, %3 perdidas, %4 empatadas</translation>
    </message>
    <message>
        <location filename="../shell/GameLifecycle.cpp" line="+26"/>
        <source>End current game?</source>
        <translation>¿Terminar la partida actual?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Click a gift from under the Christmas Tree to start playing</source>
        <translation>Haz clic en un regalo bajo el árbol de Navidad para empezar a jugar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../shell/HelpCommands.cpp" line="+40"/>
        <source>Could not initialize HTML Help. Make sure you have Microsoft Internet Explorer 4.0 or greater installed</source>
        <translation>No se pudo iniciar la Ayuda HTML. Comprueba que tienes instalado Microsoft Internet Explorer 4.0 o posterior</translation>
    </message>
    <message>
        <location filename="../shell/UMain.cpp" line="+114"/>
        <source>Game has received a WM_GAMEDESTROYED! Please report to author about this message</source>
        <translation>¡El juego ha recibido un WM_GAMEDESTROYED! Por favor, informa al autor de este mensaje</translation>
    </message>
</context>
<context>
    <name>TFPrefs</name>
    <message>
        <location filename="../shell/Prefs.cpp" line="+27"/>
        <location filename="../shell/PrefsPages.cpp" line="+67"/>
        <source>Candy Canes</source>
        <translation>Bastones de caramelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rabbit</source>
        <translation>Conejo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cone</source>
        <translation>Piña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf Doll</source>
        <translation>Muñeco de elfo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gingerbread House</source>
        <translation>Casita de jengibre</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../shell/PrefsPages.cpp" line="-1"/>
        <source>Bells</source>
        <translation>Campanas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chocolate Santa</source>
        <translation>Papá Noel de chocolate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Candles</source>
        <translation>Velas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Young Fir</source>
        <translation>Abeto joven</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santa Claus</source>
        <translation>Papá Noel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf With Gift</source>
        <translation>Elfo con regalo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Tree</source>
        <translation>Árbol de Navidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ice Sculpture</source>
        <translation>Escultura de hielo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow-plough</source>
        <translation>Quitanieves</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zelmo Preferences</source>
        <translation>Preferencias de Zelmo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backs</source>
        <translation>&amp;Dorsos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;ackgrounds</source>
        <translation>&amp;Fondos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mputer</source>
        <translation>Orde&amp;nador</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dato no válido para &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../shell/Prefs.h" line="+52"/>
        <source>Could not load picture</source>
        <translation>No se pudo cargar la imagen</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-41"/>
        <source>All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image (*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg</source>
        <translation>Todas las imágenes (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Imagen PNG (*.png)|*.png|Imagen PCX (*.pcx)|*.pcx|Imagen ANI (*.ani)|*.ani|Imagen JPEG (*.jpeg;*.jpg)|*.jpeg;*.jpg</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Solid color</source>
        <translation>Color liso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elliptic</source>
        <translation>Elíptico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rectangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 1</source>
        <translation>Copos de nieve 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow</source>
        <translation>Nieve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 2</source>
        <translation>Copos de nieve 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom...</source>
        <translation>Otra imagen...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Toolbar </source>
        <translation>Herramientas </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar</source>
        <translation>Mostrar barra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar in main window</source>
        <translation>Mostrar la barra de herramientas en la ventana principal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flat buttons</source>
        <translation>Botones planos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Card animation </source>
        <translation> Animación de cartas </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Much accelerated</source>
        <translation>Muy acelerado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acceleration</source>
        <translation>Acelerado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steady</source>
        <translation>Uniforme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deceleration</source>
        <translation>Frenado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Much decelerated</source>
        <translation>Muy frenado</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The vertical line.
This hint is a kind of easter egg that does nothing.</source>
        <translation>La línea vertical.
Esta ayuda es una especie de huevo de Pascua que no hace nada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation time:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 msec</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table size </source>
        <translation>Tamaño de la mesa </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The table resizes at once; menus, dialogs and a new language at the next start.</source>
        <translation>La mesa cambia al momento; menús, diálogos e idioma, al próximo inicio.</translation>
    </message>
    <message>
        <location filename="../shell/TableSize.cpp" line="+32"/>
        <source>Fit to window</source>
        <translation>A la ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-2"/>
        <source>Show the whole game larger</source>
        <translation>Muestra todo el juego más grande</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Draw frame</source>
        <translation>Con marco</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Select board color:</source>
        <translation>Color de la mesa:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here</source>
        <translation>Haz clic aquí</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start color</source>
        <translation>Inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End color</source>
        <translation>Final</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Click...</source>
        <translation>Clic...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap colors</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Computer player </source>
        <translation> Tu rival </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays by fixed rules, as the hint does</source>
        <translation>Juega con reglas fijas, como la pista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinks ahead from what it has seen, never from your cards</source>
        <translation>Piensa por adelantado con lo que ha visto, nunca con tus cartas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A change counts from the next game on.</source>
        <translation>Los cambios cuentan a partir de la próxima partida.</translation>
    </message>
</context>
<context>
    <name>TFStatistics</name>
    <message>
        <location filename="../shell/Statistics.cpp" line="+22"/>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drawn</source>
        <translation>Empates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won %</source>
        <translation>% ganadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest wins</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest losses</source>
        <translation>Peor racha</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 won</source>
        <translation>%1 ganadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost</source>
        <translation>%1 perdidas</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Against the classic CPU</source>
        <translation>Contra la CPU clásica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Against the strong CPU</source>
        <translation>Contra la CPU fuerte</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Reset the statistics of all games?</source>
        <translation>¿Restablecer las estadísticas de todos los juegos?</translation>
    </message>
</context>
<context>
    <name>TFileEdit</name>
    <message>
        <location filename="../shell/FileEdit.cpp" line="+21"/>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
</context>
<context>
    <name>TGameKinds</name>
    <message>
        <location filename="../shell/GameKinds.cpp" line="+16"/>
        <source>Mover</source>
        <translation>Traspaso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heap</source>
        <translation>Montón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
</context>
<context>
    <name>TGameTally</name>
    <message>
        <location filename="../shell/GameTally.cpp" line="+80"/>
        <source>%1 (strong CPU)</source>
        <translation>%1 (CPU fuerte)</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <location filename="../shell/HelpWindow.cpp" line="+94"/>
        <source>The help file %1 could not be found.</source>
        <translation>No se encuentra el archivo de ayuda %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 is empty.</source>
        <translation>El archivo de ayuda %1 está vacío.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The help file %1 is damaged and cannot be read.</source>
        <translation>El archivo de ayuda %1 está dañado y no se puede leer.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>The help file %1 does not name a start page.</source>
        <translation>El archivo de ayuda %1 no indica ninguna página de inicio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The page %1 is not in the help file %2.</source>
        <translation>La página %1 no está en el archivo de ayuda %2.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location line="+51"/>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to find</source>
        <translation>Escribe una palabra para buscar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
</context>
<context>
    <name>THtmlHelp</name>
    <message>
        <location filename="../shell/Help.cpp" line="+64"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS Html Help no está instalado en este equipo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <location filename="../cards/KeyboardPlay.cpp" line="+166"/>
        <source>%1, %2</source>
        <extracomment>%1 a card, %2 the pile it lies in</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 — %2</source>
        <extracomment>%1 the focused card, %2 what the game asks for</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>TMainMenu</name>
    <message>
        <location filename="../shell/MainMenu.cpp" line="+15"/>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play: select a game to play or exit</source>
        <translation>Jugar: elige un juego o sal del programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mover</source>
        <translation>&amp;Traspaso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;mover&quot; zelmo</source>
        <translation>Jugar a Traspaso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Montón</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;heap&quot; zelmo</source>
        <translation>Jugar a Montón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Ronda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;round&quot; zelmo</source>
        <translation>Jugar a Ronda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random &amp;Game</source>
        <translation>Partida al &amp;azar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play random game</source>
        <translation>Jugar una partida al azar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End game</source>
        <translation>Terminar &amp;partida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End current game</source>
        <translation>Terminar la partida actual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game: game options</source>
        <translation>Partida: opciones del juego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest a next move (it may be not the best)</source>
        <translation>Sugiere una jugada (puede que no sea la mejor)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Autoplay</source>
        <translation>Juego &amp;automático</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>El ordenador juega por ti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show how your games have gone so far</source>
        <translation>Muestra cómo te han ido las partidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the table on the whole screen</source>
        <translation>Muestra la mesa en toda la pantalla</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences...</source>
        <translation>Pre&amp;ferencias...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Customize game</source>
        <translation>Personaliza el juego</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: the stuff to read</source>
        <translation>Ayuda: cosas para leer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Lee las reglas del juego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show help contents</source>
        <translation>Muestra el contenido de la ayuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Christmas Zelmo homepage</source>
        <translation>Página de Christmas &amp;Zelmo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Christmas Zelmo homepage!</source>
        <translation>¡Visita la página de Christmas Zelmo!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this game</source>
        <translation>Acerca de este juego</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <location filename="../shell/MainToolBar.cpp" line="+17"/>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press this button for random play or select game from drop-down menu</source>
        <translation>Pulsa para una partida al azar o elige un juego en el menú desplegable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest the next move (it may be not the best)</source>
        <translation>Sugiere la siguiente jugada (puede que no sea la mejor)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoplay</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>El ordenador juega por ti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Lee las reglas del juego</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Mover</source>
        <translation>&amp;Traspaso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Montón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Ronda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&amp;andom</source>
        <translation>&amp;Al azar</translation>
    </message>
</context>
<context>
    <name>TVariantGame</name>
    <message>
        <location filename="../games/common/BoutStates.cpp" line="+15"/>
        <location filename="../games/heap/HeapStates.cpp" line="+53"/>
        <source>CPU plays %1</source>
        <translation>La CPU juega %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../games/heap/HeapStates.cpp" line="-3"/>
        <source>CPU beats %1 with %2</source>
        <translation>La CPU mata %1 con %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>CPU takes the table</source>
        <translation>La CPU recoge la mesa</translation>
    </message>
    <message>
        <location filename="../games/common/VariantAttacks.cpp" line="+49"/>
        <source>The same position came round three times: a draw.</source>
        <translation>La misma posición se ha repetido tres veces: empate.</translation>
    </message>
    <message numerus="yes">
        <location filename="../games/heap/HeapStates.cpp" line="+17"/>
        <source>CPU takes %n cards</source>
        <translation>
            <numerusform>La CPU recoge %n carta</numerusform>
            <numerusform>La CPU recoge %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../games/round/RoundCircle.cpp" line="+40"/>
        <source>CPU gets the rest of the circle</source>
        <translation>La CPU se lleva el resto del círculo</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CPU captures %1 with %2</source>
        <translation>La CPU captura %1 con %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CPU puts %1 into the circle</source>
        <translation>La CPU pone %1 en el círculo</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.cpp" line="+8"/>
        <source>Waiting until CPU moves</source>
        <translation>Esperando a que juegue la CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../games/heap/HeapZelmo.cpp" line="+13"/>
        <source>Waiting until CPU defends</source>
        <translation>Esperando a que se defienda la CPU</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting until CPU throws more</source>
        <translation>Esperando a que la CPU eche más</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.h" line="+9"/>
        <source>Click your card to throw more, click right mouse button if that&apos;s it</source>
        <translation>Haz clic en tu carta para echar más, o clic derecho si ya está</translation>
    </message>
    <message>
        <location filename="../games/common/VariantGame.cpp" line="+227"/>
        <source>CPU&apos;s hand</source>
        <translation>mano de la CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>your hand</source>
        <translation>tu mano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deck</source>
        <translation>mazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>mesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discard pile</source>
        <translation>descarte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <location filename="../games/heap/HeapZelmo.cpp" line="-5"/>
        <source>Click on your card to make move</source>
        <translation>Haz clic en tu carta para jugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait until CPU moves</source>
        <translation>Espera a que juegue la CPU</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click on your card to defend, click table card to take</source>
        <translation>Haz clic en tu carta para defender, en una de la mesa para recoger</translation>
    </message>
    <message>
        <location filename="../games/mover/MoverZelmo.cpp" line="+8"/>
        <source>Click your card to move</source>
        <translation>Haz clic en tu carta para atacar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take, make move with right mouse button to avoid moving table</source>
        <translation>Haz clic en tu carta para defender, en una de la mesa para recoger; con el botón derecho no pasas la mesa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are moving the table</source>
        <translation>Estás pasando la mesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU is moving the table</source>
        <translation>La CPU está pasando la mesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU throws more</source>
        <translation>La CPU echa más</translation>
    </message>
    <message>
        <location filename="../games/round/RoundZelmo.cpp" line="+26"/>
        <source>Click your card to make move</source>
        <translation>Haz clic en tu carta para jugar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take</source>
        <translation>Haz clic en tu carta para defender, en una de la mesa para recoger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU gives you more</source>
        <translation>La CPU te da más</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU has taken, so throw him more, right click if ok</source>
        <translation>La CPU ha recogido: échale más, o clic derecho si ya está</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a card in the circle and beat it with top card in the deck to get them</source>
        <translation>Elige una carta del círculo y mátala con la de arriba del mazo para llevártelas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wait until CPU beats</source>
        <translation>Espera a que mate la CPU</translation>
    </message>
</context>
</TS>
