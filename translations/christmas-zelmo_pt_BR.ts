<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Mesa de jogo</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>face-down card</source>
        <translation>carta virada para baixo</translation>
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
        <translation>%1, jogável</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <location filename="../cards/CardNames.cpp" line="+11"/>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Four</source>
        <translation>Quatro</translation>
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
        <translation>Sete</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clubs</source>
        <translation>Paus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diamonds</source>
        <translation>Ouros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hearts</source>
        <translation>Copas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spades</source>
        <translation>Espadas</translation>
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
        <translation>Jogo de cartas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack and defend with a 36-card deck against the computer</source>
        <translation>Ataque e defenda com um baralho de 36 cartas contra o computador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cards;zelmo;christmas;</source>
        <translation>cartas;baralho;zelmo;natal;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas card game against the computer</source>
        <translation>Jogo de cartas de Natal contra o computador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a trump suit. You play against the computer in three variants:</source>
        <translation>Christmas Zelmo é um jogo de cartas de ataque e defesa com um baralho de 36 cartas e um naipe de trunfo. Você joga contra o computador em três variantes:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mover: the defender may pass the attack on by moving the table to the other player.</source>
        <translation>Repasse: o defensor pode repassar o ataque passando a mesa para o outro jogador.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heap: every card played stays on one growing heap, and a side that cannot beat its top card takes the top three, or five under a trump.</source>
        <translation>Monte: toda carta jogada fica num único monte que vai crescendo, e quem não consegue matar a carta de cima recolhe as três de cima, ou cinco se ela for trunfo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round: a capture phase around a ring of nine cards, then an attack phase.</source>
        <translation>Roda: uma fase de captura em volta de uma roda de nove cartas, depois uma fase de ataque.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cards fly across the table in smooth animations. Ask for a hint, let the computer play your side, read the rules in the built-in help, and choose card backs, backgrounds and the pace of the animation.</source>
        <translation>As cartas voam pela mesa em animações suaves. Peça uma dica, deixe o computador jogar por você, leia as regras na ajuda embutida e escolha o verso das cartas, o fundo e o ritmo da animação.</translation>
    </message>
</context>
<context>
    <name>TChooser</name>
    <message>
        <location filename="../shell/Chooser.cpp" line="+29"/>
        <source>Mover Zelmo -- the most popular</source>
        <translation>Zelmo Repasse -- o mais popular</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heap Zelmo -- a very unpredictable play</source>
        <translation>Zelmo Monte -- cheio de surpresas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round Zelmo -- take more to win</source>
        <translation>Zelmo Roda -- quem recolhe mais ganha</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Select a gift! (click on game&apos;s name)</source>
        <translation>Escolha um presente! (clique no nome do jogo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas tree with gifts</source>
        <translation>Árvore de Natal com presentes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a gift from under the tree to play game</source>
        <translation>Escolha um presente debaixo da árvore para jogar</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <location filename="../shell/About.cpp" line="+49"/>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Christmas Edition</source>
        <translation>Edição de Natal</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Christmas Zelmo homepage:</source>
        <translation>Página do Christmas Zelmo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If you have any questions, comments or suggestions about Christmas Zelmo, e-mail author:</source>
        <translation>Se tiver dúvidas, comentários ou sugestões sobre o Christmas Zelmo, escreva ao autor:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s e-mail:</source>
        <translation>E-mail do autor:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your feedback will be gladly accepted.</source>
        <translation>Sua opinião será muito bem-vinda.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TFGameOver</name>
    <message>
        <location filename="../shell/GameOver.cpp" line="+19"/>
        <source>&quot;Do I play better?&quot;</source>
        <translation>&quot;Eu jogo melhor?&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Nobody wins&quot;</source>
        <translation>&quot;Ninguém ganha&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I gave him odds&quot;</source>
        <translation>&quot;Eu dei vantagem a ele&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Hmm... Result is nothing.&quot;</source>
        <translation>&quot;Hmm... Deu em nada.&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;The next game will be...&quot;</source>
        <translation>&quot;A próxima partida vai ser...&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can win all other games too!&quot;</source>
        <translation>&quot;Eu ganho todas as outras também!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;It was a piece of cake!&quot;</source>
        <translation>&quot;Foi moleza!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Remember son: computer cannot beat human&quot;</source>
        <translation>&quot;Lembre-se, filho: computador não vence humano&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Oops! It&apos;s just a bad luck&quot;</source>
        <translation>&quot;Ops! Foi só azar&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I got entangled&quot;</source>
        <translation>&quot;Eu me enrolei&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;He! Makes! Me! Crazy!!!&quot;</source>
        <translation>&quot;Ele! Me! Deixa! Louco!!!&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can beat him right now&quot;</source>
        <translation>&quot;Eu ganho dele agora mesmo&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You win</source>
        <translation>Você venceu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer wins</source>
        <translation>O computador venceu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Game over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Picture of the result</source>
        <translation>Imagem do resultado</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Play again!</source>
        <translation>Jogar de novo!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <location filename="../shell/GameCommands.cpp" line="+72"/>
        <source>%1: %2 won, %3 lost, %4 drawn</source>
        <translation>%1: %2 vencidas, %3 perdidas, %4 empatadas</translation>
    </message>
    <message>
        <location filename="../shell/GameLifecycle.cpp" line="+26"/>
        <source>End current game?</source>
        <translation>Encerrar o jogo atual?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Click a gift from under the Christmas Tree to start playing</source>
        <translation>Clique num presente debaixo da árvore de Natal para começar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../shell/HelpCommands.cpp" line="+40"/>
        <source>Could not initialize HTML Help. Make sure you have Microsoft Internet Explorer 4.0 or greater installed</source>
        <translation>Não foi possível iniciar a Ajuda HTML. Verifique se o Microsoft Internet Explorer 4.0 ou superior está instalado</translation>
    </message>
    <message>
        <location filename="../shell/UMain.cpp" line="+114"/>
        <source>Game has received a WM_GAMEDESTROYED! Please report to author about this message</source>
        <translation>O jogo recebeu um WM_GAMEDESTROYED! Informe o autor sobre esta mensagem</translation>
    </message>
</context>
<context>
    <name>TFPrefs</name>
    <message>
        <location filename="../shell/Prefs.cpp" line="+27"/>
        <location filename="../shell/PrefsPages.cpp" line="+67"/>
        <source>Candy Canes</source>
        <translation>Bengalas doces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rabbit</source>
        <translation>Coelho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cone</source>
        <translation>Pinha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf Doll</source>
        <translation>Boneca de elfo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gingerbread House</source>
        <translation>Casinha de biscoito</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../shell/PrefsPages.cpp" line="-1"/>
        <source>Bells</source>
        <translation>Sinos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chocolate Santa</source>
        <translation>Noel de chocolate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Candles</source>
        <translation>Velas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Young Fir</source>
        <translation>Pinheirinho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santa Claus</source>
        <translation>Papai Noel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf With Gift</source>
        <translation>Elfo com presente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Tree</source>
        <translation>Árvore de Natal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ice Sculpture</source>
        <translation>Escultura de gelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow-plough</source>
        <translation>Limpa-neve</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zelmo Preferences</source>
        <translation>Preferências do Zelmo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;General</source>
        <translation>&amp;Geral</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backs</source>
        <translation>&amp;Versos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;ackgrounds</source>
        <translation>&amp;Fundos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mputer</source>
        <translation>Co&amp;mputador</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dado inválido para &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../shell/Prefs.h" line="+52"/>
        <source>Could not load picture</source>
        <translation>Não foi possível carregar a imagem</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-41"/>
        <source>All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image (*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg</source>
        <translation>Todas as imagens (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Imagem PNG (*.png)|*.png|Imagem PCX (*.pcx)|*.pcx|Imagem ANI (*.ani)|*.ani|Imagem JPEG (*.jpeg;*.jpg)|*.jpeg;*.jpg</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Solid color</source>
        <translation>Cor sólida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient</source>
        <translation>Degradê</translation>
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
        <translation>Retangular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gifts</source>
        <translation>Presentes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 1</source>
        <translation>Flocos de neve 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 2</source>
        <translation>Flocos de neve 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Toolbar </source>
        <translation>Ferramentas </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar</source>
        <translation>Mostrar a barra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar in main window</source>
        <translation>Mostrar a barra de ferramentas na janela principal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flat buttons</source>
        <translation>Botões planos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Card animation </source>
        <translation> Animação das cartas </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Much accelerated</source>
        <translation>Acelera muito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acceleration</source>
        <translation>Acelera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steady</source>
        <translation>Constante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deceleration</source>
        <translation>Freia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Much decelerated</source>
        <translation>Freia muito</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The vertical line.
This hint is a kind of easter egg that does nothing.</source>
        <translation>A linha vertical.
Esta dica é uma espécie de surpresa escondida que não faz nada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation time:</source>
        <translation>Tempo da animação:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 msec</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table size </source>
        <translation>Tamanho da mesa </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The table resizes at once; menus, dialogs and a new language at the next start.</source>
        <translation>A mesa muda na hora; menus, janelas e idioma na próxima abertura.</translation>
    </message>
    <message>
        <location filename="../shell/TableSize.cpp" line="+32"/>
        <source>Fit to window</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-2"/>
        <source>Show the whole game larger</source>
        <translation>Mostrar o jogo inteiro maior</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Draw frame</source>
        <translation>Desenhar moldura</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Select board color:</source>
        <translation>Cor da mesa:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here</source>
        <translation>Clique aqui</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start color</source>
        <translation>Cor inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End color</source>
        <translation>Cor final</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Click...</source>
        <translation>Clique...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap colors</source>
        <translation>Trocar cores</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Stretch</source>
        <translation>Esticar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Computer player </source>
        <translation> Adversário </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays by fixed rules, as the hint does</source>
        <translation>Joga por regras fixas, como a dica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinks ahead from what it has seen, never from your cards</source>
        <translation>Pensa adiante com o que já viu, nunca com as suas cartas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A change counts from the next game on.</source>
        <translation>A mudança vale a partir da próxima partida.</translation>
    </message>
</context>
<context>
    <name>TFStatistics</name>
    <message>
        <location filename="../shell/Statistics.cpp" line="+22"/>
        <source>Played</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Vencidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drawn</source>
        <translation>Empatadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won %</source>
        <translation>% vencidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest wins</source>
        <translation>Mais vitórias seguidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest losses</source>
        <translation>Mais derrotas seguidas</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 won</source>
        <translation>vitórias: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost</source>
        <translation>derrotas: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Against the classic CPU</source>
        <translation>Contra a CPU clássica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Against the strong CPU</source>
        <translation>Contra a CPU forte</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Reset the statistics of all games?</source>
        <translation>Zerar as estatísticas de todos os jogos?</translation>
    </message>
</context>
<context>
    <name>TFileEdit</name>
    <message>
        <location filename="../shell/FileEdit.cpp" line="+21"/>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
</context>
<context>
    <name>TGameKinds</name>
    <message>
        <location filename="../shell/GameKinds.cpp" line="+16"/>
        <source>Mover</source>
        <translation>Repasse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heap</source>
        <translation>Monte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round</source>
        <translation>Roda</translation>
    </message>
</context>
<context>
    <name>TGameTally</name>
    <message>
        <location filename="../shell/GameTally.cpp" line="+80"/>
        <source>%1 (strong CPU)</source>
        <translation>%1 (CPU forte)</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <location filename="../shell/HelpWindow.cpp" line="+94"/>
        <source>The help file %1 could not be found.</source>
        <translation>O arquivo de ajuda %1 não foi encontrado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 is empty.</source>
        <translation>O arquivo de ajuda %1 está vazio.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The help file %1 is damaged and cannot be read.</source>
        <translation>O arquivo de ajuda %1 está danificado e não pode ser lido.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>The help file %1 does not name a start page.</source>
        <translation>O arquivo de ajuda %1 não indica uma página inicial.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The page %1 is not in the help file %2.</source>
        <translation>A página %1 não está no arquivo de ajuda %2.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location line="+51"/>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to find</source>
        <translation>Digite uma palavra para procurar</translation>
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
        <translation>O MS Html Help não está instalado neste PC.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play: select a game to play or exit</source>
        <translation>Jogar: escolher um jogo ou sair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mover</source>
        <translation>&amp;Repasse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;mover&quot; zelmo</source>
        <translation>Jogar o Zelmo &quot;Repasse&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Monte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;heap&quot; zelmo</source>
        <translation>Jogar o Zelmo &quot;Monte&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>Ro&amp;da</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;round&quot; zelmo</source>
        <translation>Jogar o Zelmo &quot;Roda&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random &amp;Game</source>
        <translation>Jogo &amp;aleatório</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play random game</source>
        <translation>Jogar um jogo aleatório</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End game</source>
        <translation>&amp;Encerrar jogo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End current game</source>
        <translation>Encerrar o jogo atual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Game</source>
        <translation>Jo&amp;go</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game: game options</source>
        <translation>Jogo: opções do jogo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest a next move (it may be not the best)</source>
        <translation>Sugerir uma jogada (talvez não a melhor)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Autoplay</source>
        <translation>Jogo &amp;automático</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Deixar o computador jogar por você</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estatísticas...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show how your games have gone so far</source>
        <translation>Mostrar como foram suas partidas até agora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the table on the whole screen</source>
        <translation>Mostrar a mesa na tela inteira</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferências...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Customize game</source>
        <translation>Personalizar o jogo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: the stuff to read</source>
        <translation>Ajuda: o que ler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <translation>&amp;Regras</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Ler as regras do jogo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>Su&amp;mário</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show help contents</source>
        <translation>Mostrar o sumário da ajuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Christmas Zelmo homepage</source>
        <translation>Página do &amp;Christmas Zelmo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Christmas Zelmo homepage!</source>
        <translation>Ir para a página do Christmas Zelmo!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this game</source>
        <translation>Sobre este jogo</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <location filename="../shell/MainToolBar.cpp" line="+17"/>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press this button for random play or select game from drop-down menu</source>
        <translation>Aperte para um jogo aleatório ou escolha um jogo na lista</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest the next move (it may be not the best)</source>
        <translation>Sugerir a próxima jogada (talvez não a melhor)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoplay</source>
        <translation>Automático</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Deixar o computador jogar por você</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Ler as regras do jogo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Mover</source>
        <translation>&amp;Repasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Monte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>Ro&amp;da</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&amp;andom</source>
        <translation>&amp;Aleatório</translation>
    </message>
</context>
<context>
    <name>TVariantGame</name>
    <message>
        <location filename="../games/common/BoutStates.cpp" line="+15"/>
        <location filename="../games/heap/HeapStates.cpp" line="+53"/>
        <source>CPU plays %1</source>
        <translation>A CPU joga %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../games/heap/HeapStates.cpp" line="-3"/>
        <source>CPU beats %1 with %2</source>
        <translation>A CPU mata %1 com %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>CPU takes the table</source>
        <translation>A CPU recolhe a mesa</translation>
    </message>
    <message>
        <location filename="../games/common/VariantAttacks.cpp" line="+49"/>
        <source>The same position came round three times: a draw.</source>
        <translation>A mesma posição voltou três vezes: empate.</translation>
    </message>
    <message numerus="yes">
        <location filename="../games/heap/HeapStates.cpp" line="+17"/>
        <source>CPU takes %n cards</source>
        <translation>
            <numerusform>A CPU recolhe %n carta</numerusform>
            <numerusform>A CPU recolhe %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../games/round/RoundCircle.cpp" line="+40"/>
        <source>CPU gets the rest of the circle</source>
        <translation>A CPU fica com o resto da roda</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CPU captures %1 with %2</source>
        <translation>A CPU captura %1 com %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CPU puts %1 into the circle</source>
        <translation>A CPU põe %1 na roda</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.cpp" line="+8"/>
        <source>Waiting until CPU moves</source>
        <translation>Aguardando a jogada da CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../games/heap/HeapZelmo.cpp" line="+13"/>
        <source>Waiting until CPU defends</source>
        <translation>Aguardando a defesa da CPU</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting until CPU throws more</source>
        <translation>Aguardando a CPU jogar mais</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.h" line="+9"/>
        <source>Click your card to throw more, click right mouse button if that&apos;s it</source>
        <translation>Clique na sua carta para jogar mais, botão direito se chega</translation>
    </message>
    <message>
        <location filename="../games/common/VariantGame.cpp" line="+227"/>
        <source>CPU&apos;s hand</source>
        <translation>mão da CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>your hand</source>
        <translation>sua mão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deck</source>
        <translation>baralho</translation>
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
        <translation>roda</translation>
    </message>
    <message>
        <location filename="../games/heap/HeapZelmo.cpp" line="-5"/>
        <source>Click on your card to make move</source>
        <translation>Clique numa carta sua para jogar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait until CPU moves</source>
        <translation>Espere a jogada da CPU</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click on your card to defend, click table card to take</source>
        <translation>Clique numa carta sua para defender, na mesa para recolher</translation>
    </message>
    <message>
        <location filename="../games/mover/MoverZelmo.cpp" line="+8"/>
        <source>Click your card to move</source>
        <translation>Clique na sua carta para jogar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take, make move with right mouse button to avoid moving table</source>
        <translation>Clique na sua carta para defender, na mesa para recolher, com o botão direito para não passar a mesa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are moving the table</source>
        <translation>Você está passando a mesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU is moving the table</source>
        <translation>A CPU está passando a mesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU throws more</source>
        <translation>A CPU joga mais</translation>
    </message>
    <message>
        <location filename="../games/round/RoundZelmo.cpp" line="+26"/>
        <source>Click your card to make move</source>
        <translation>Clique na sua carta para jogar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take</source>
        <translation>Clique na sua carta para defender, clique na mesa para recolher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU gives you more</source>
        <translation>A CPU lhe dá mais</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU has taken, so throw him more, right click if ok</source>
        <translation>A CPU recolheu, então dê mais a ela, botão direito se chega</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a card in the circle and beat it with top card in the deck to get them</source>
        <translation>Escolha uma carta da roda e mate-a com a carta de cima do baralho para ficar com as duas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wait until CPU beats</source>
        <translation>Espere a CPU matar</translation>
    </message>
</context>
</TS>
