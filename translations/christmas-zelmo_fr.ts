<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../cards/BoardAccessible.cpp" line="+74"/>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cards</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n cartes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Card table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>face-down card</source>
        <translation>carte face cachée</translation>
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
        <translation>%1, jouable</translation>
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
        <translation>Deux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spades</source>
        <translation>pique</translation>
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
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack and defend with a 36-card deck against the computer</source>
        <translation>Attaquez et défendez avec 36 cartes contre l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cards;zelmo;christmas;</source>
        <translation>cartes;jeu de cartes;zelmo;noël;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas card game against the computer</source>
        <translation>Jeu de cartes de Noël contre l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a trump suit. You play against the computer in three variants:</source>
        <translation>Christmas Zelmo est un jeu de cartes d&apos;attaque et de défense, avec 36 cartes et une couleur d&apos;atout. Vous jouez contre l&apos;ordinateur dans trois variantes&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mover: the defender may pass the attack on by moving the table to the other player.</source>
        <translation>Renvoi&#xa0;: le défenseur peut renvoyer l&apos;attaque en renvoyant la table à l&apos;autre joueur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heap: every card played stays on one growing heap, and a side that cannot beat its top card takes the top three, or five under a trump.</source>
        <translation>Tas&#xa0;: chaque carte jouée reste sur un tas qui grandit, et celui qui ne peut pas battre la carte du dessus ramasse les trois du dessus, ou cinq sous un atout.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round: a capture phase around a ring of nine cards, then an attack phase.</source>
        <translation>Ronde&#xa0;: une phase de capture autour d&apos;un cercle de neuf cartes, puis une phase d&apos;attaque.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cards fly across the table in smooth animations. Ask for a hint, let the computer play your side, read the rules in the built-in help, and choose card backs, backgrounds and the pace of the animation.</source>
        <translation>Les cartes volent au-dessus de la table en animations fluides. Demandez un indice, laissez l&apos;ordinateur jouer à votre place, lisez les règles dans l&apos;aide intégrée, et choisissez le dos des cartes, le fond et le rythme de l&apos;animation.</translation>
    </message>
</context>
<context>
    <name>TChooser</name>
    <message>
        <location filename="../shell/Chooser.cpp" line="+29"/>
        <source>Mover Zelmo -- the most popular</source>
        <translation>Zelmo Renvoi -- le plus populaire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heap Zelmo -- a very unpredictable play</source>
        <translation>Zelmo Tas -- plein de surprises</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round Zelmo -- take more to win</source>
        <translation>Zelmo Ronde -- qui prend le plus gagne</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Select a gift! (click on game&apos;s name)</source>
        <translation>Choisissez un cadeau&#xa0;! (cliquez sur le nom du jeu)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas tree with gifts</source>
        <translation>Sapin de Noël avec des cadeaux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a gift from under the tree to play game</source>
        <translation>Choisissez un cadeau sous le sapin pour jouer</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <location filename="../shell/About.cpp" line="+49"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Christmas Edition</source>
        <translation>Édition de Noël</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Christmas Zelmo homepage:</source>
        <translation>Site de Zelmo&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If you have any questions, comments or suggestions about Christmas Zelmo, e-mail author:</source>
        <translation>Pour toute question, remarque ou suggestion sur Christmas Zelmo, écrivez à l&apos;auteur&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s e-mail:</source>
        <translation>Courriel de l&apos;auteur&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your feedback will be gladly accepted.</source>
        <translation>Vos avis sont les bienvenus.</translation>
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
        <translation>«&#xa0;Je joue mieux&#xa0;?&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Nobody wins&quot;</source>
        <translation>«&#xa0;Personne ne gagne&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I gave him odds&quot;</source>
        <translation>«&#xa0;Je lui ai fait une fleur&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Hmm... Result is nothing.&quot;</source>
        <translation>«&#xa0;Hmm... Résultat&#xa0;: rien.&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;The next game will be...&quot;</source>
        <translation>«&#xa0;La prochaine partie sera...&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can win all other games too!&quot;</source>
        <translation>«&#xa0;Je gagnerai aussi toutes les autres&#xa0;!&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;It was a piece of cake!&quot;</source>
        <translation>«&#xa0;C&apos;était du gâteau&#xa0;!&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Remember son: computer cannot beat human&quot;</source>
        <translation>«&#xa0;Retiens bien, fiston&#xa0;: l&apos;ordinateur ne bat jamais l&apos;homme&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Oops! It&apos;s just a bad luck&quot;</source>
        <translation>«&#xa0;Oups&#xa0;! Pas de chance, c&apos;est tout&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I got entangled&quot;</source>
        <translation>«&#xa0;Je me suis emmêlé&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;He! Makes! Me! Crazy!!!&quot;</source>
        <translation>«&#xa0;Il&#xa0;! Me&#xa0;! Rend&#xa0;! Fou&#xa0;!!!&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can beat him right now&quot;</source>
        <translation>«&#xa0;Je peux le battre tout de suite&#xa0;»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Draw</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You win</source>
        <translation>Vous gagnez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer wins</source>
        <translation>CPU gagne</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Picture of the result</source>
        <translation>Image du résultat</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Play again!</source>
        <translation>Rejouer&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <location filename="../shell/GameCommands.cpp" line="+72"/>
        <source>%1: %2 won, %3 lost, %4 drawn</source>
        <translation>%1&#xa0;: gagnées %2, perdues %3, nulles %4</translation>
    </message>
    <message>
        <location filename="../shell/GameLifecycle.cpp" line="+26"/>
        <source>End current game?</source>
        <translation>Terminer la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Click a gift from under the Christmas Tree to start playing</source>
        <translation>Cliquez sur un cadeau sous le sapin de Noël pour commencer à jouer</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../shell/HelpCommands.cpp" line="+40"/>
        <source>Could not initialize HTML Help. Make sure you have Microsoft Internet Explorer 4.0 or greater installed</source>
        <translation>Impossible d&apos;initialiser l&apos;aide HTML. Vérifiez que Microsoft Internet Explorer 4.0 ou plus récent est installé</translation>
    </message>
    <message>
        <location filename="../shell/UMain.cpp" line="+114"/>
        <source>Game has received a WM_GAMEDESTROYED! Please report to author about this message</source>
        <translation>Le jeu a reçu WM_GAMEDESTROYED&#xa0;! Merci de signaler ce message à l&apos;auteur</translation>
    </message>
</context>
<context>
    <name>TFPrefs</name>
    <message>
        <location filename="../shell/Prefs.cpp" line="+27"/>
        <location filename="../shell/PrefsPages.cpp" line="+67"/>
        <source>Candy Canes</source>
        <translation>Sucres d&apos;orge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rabbit</source>
        <translation>Lapin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cone</source>
        <translation>Pomme de pin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf Doll</source>
        <translation>Poupée lutin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gingerbread House</source>
        <translation>Maison pain d&apos;épice</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../shell/PrefsPages.cpp" line="-1"/>
        <source>Bells</source>
        <translation>Cloches</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chocolate Santa</source>
        <translation>Père Noël chocolat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Candles</source>
        <translation>Bougies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Young Fir</source>
        <translation>Jeune sapin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santa Claus</source>
        <translation>Père Noël</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf With Gift</source>
        <translation>Lutin au cadeau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Tree</source>
        <translation>Sapin de Noël</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ice Sculpture</source>
        <translation>Sculpture de glace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow-plough</source>
        <translation>Chasse-neige</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zelmo Preferences</source>
        <translation>Préférences de Zelmo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backs</source>
        <translation>&amp;Dos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;ackgrounds</source>
        <translation>&amp;Fonds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mputer</source>
        <translation>O&amp;rdinateur</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../shell/Prefs.h" line="+52"/>
        <source>Could not load picture</source>
        <translation>Impossible de charger l&apos;image</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-41"/>
        <source>All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image (*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg</source>
        <translation>Toutes les images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Image PNG (*.png)|*.png|Image PCX (*.pcx)|*.pcx|Image ANI (*.ani)|*.ani|Image JPEG (*.jpeg;*.jpg)|*.jpeg;*.jpg</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Solid color</source>
        <translation>Couleur unie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient</source>
        <translation>Dégradé</translation>
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
        <translation>Elliptique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rectangular</source>
        <translation>Rectangulaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Image</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 1</source>
        <translation>Flocons 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 2</source>
        <translation>Flocons 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom...</source>
        <translation>Personnalisé...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Toolbar </source>
        <translation>Barre d&apos;outils </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar in main window</source>
        <translation>Afficher la barre d&apos;outils dans la fenêtre principale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flat buttons</source>
        <translation>Boutons plats</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Card animation </source>
        <translation> Animation des cartes </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Much accelerated</source>
        <translation>Très accéléré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acceleration</source>
        <translation>Accéléré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steady</source>
        <translation>Constant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deceleration</source>
        <translation>Ralenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Much decelerated</source>
        <translation>Très ralenti</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The vertical line.
This hint is a kind of easter egg that does nothing.</source>
        <translation>La ligne verticale.
Cette bulle est une sorte d&apos;œuf de Pâques qui ne fait rien.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation time:</source>
        <translation>Durée d&apos;animation&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 msec</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table size </source>
        <translation>Taille de la table </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The table resizes at once; menus, dialogs and a new language at the next start.</source>
        <translation>La table change aussitôt&#xa0;; menus, dialogues, langue au redémarrage.</translation>
    </message>
    <message>
        <location filename="../shell/TableSize.cpp" line="+32"/>
        <source>Fit to window</source>
        <translation>À la fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-2"/>
        <source>Show the whole game larger</source>
        <translation>Afficher tout le jeu en plus grand</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Draw frame</source>
        <translation>Dessiner un cadre</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Select board color:</source>
        <translation>Couleur de la table&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here</source>
        <translation>Cliquez ici</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start color</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End color</source>
        <translation>Fin</translation>
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
        <translation>Échanger</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Computer player </source>
        <translation> Adversaire </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays by fixed rules, as the hint does</source>
        <translation>Joue selon des règles fixes, comme l&apos;indice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinks ahead from what it has seen, never from your cards</source>
        <translation>Anticipe d&apos;après ce qu&apos;il a vu, jamais d&apos;après vos cartes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A change counts from the next game on.</source>
        <translation>Un changement s&apos;applique dès la partie suivante.</translation>
    </message>
</context>
<context>
    <name>TFStatistics</name>
    <message>
        <location filename="../shell/Statistics.cpp" line="+22"/>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drawn</source>
        <translation>Nulles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abandoned</source>
        <translation>Abandonnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won %</source>
        <translation>% gagnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest wins</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest losses</source>
        <translation>Pire série</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 won</source>
        <translation>gagnées&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost</source>
        <translation>perdues&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Against the classic CPU</source>
        <translation>Contre l&apos;ordinateur classique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Against the strong CPU</source>
        <translation>Contre l&apos;ordinateur fort</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Reset the statistics of all games?</source>
        <translation>Réinitialiser les statistiques de tous les jeux&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TFileEdit</name>
    <message>
        <location filename="../shell/FileEdit.cpp" line="+21"/>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
</context>
<context>
    <name>TGameKinds</name>
    <message>
        <location filename="../shell/GameKinds.cpp" line="+16"/>
        <source>Mover</source>
        <translation>Renvoi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heap</source>
        <translation>Tas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
</context>
<context>
    <name>TGameTally</name>
    <message>
        <location filename="../shell/GameTally.cpp" line="+80"/>
        <source>%1 (strong CPU)</source>
        <translation>%1 (adversaire fort)</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <location filename="../shell/HelpWindow.cpp" line="+94"/>
        <source>The help file %1 could not be found.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 is empty.</source>
        <translation>Le fichier d&apos;aide %1 est vide.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The help file %1 is damaged and cannot be read.</source>
        <translation>Le fichier d&apos;aide %1 est endommagé et illisible.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>The help file %1 does not name a start page.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;indique aucune page de départ.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The page %1 is not in the help file %2.</source>
        <translation>La page %1 ne figure pas dans le fichier d&apos;aide %2.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location line="+51"/>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to find</source>
        <translation>Tapez un mot à chercher</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Index</source>
        <translation>Index</translation>
    </message>
</context>
<context>
    <name>THtmlHelp</name>
    <message>
        <location filename="../shell/Help.cpp" line="+64"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>L&apos;aide HTML de MS n&apos;est pas installée sur ce PC.</translation>
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
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play: select a game to play or exit</source>
        <translation>Jouer&#xa0;: choisir un jeu ou quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mover</source>
        <translation>&amp;Renvoi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;mover&quot; zelmo</source>
        <translation>Jouer au Renvoi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Tas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;heap&quot; zelmo</source>
        <translation>Jouer au Tas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>R&amp;onde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;round&quot; zelmo</source>
        <translation>Jouer à la Ronde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random &amp;Game</source>
        <translation>Partie au &amp;hasard</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play random game</source>
        <translation>Jouer une partie au hasard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End game</source>
        <translation>Ter&amp;miner la partie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End current game</source>
        <translation>Terminer la partie en cours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game: game options</source>
        <translation>Partie&#xa0;: options de jeu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest a next move (it may be not the best)</source>
        <translation>Suggérer un coup (pas forcément le meilleur)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Autoplay</source>
        <translation>&amp;Jeu automatique</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Laisser l&apos;ordinateur jouer à votre place</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show how your games have gone so far</source>
        <translation>Voir le bilan de vos parties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full screen</source>
        <translation>Plein é&amp;cran</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the table on the whole screen</source>
        <translation>Afficher la table sur tout l&apos;écran</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Customize game</source>
        <translation>Personnaliser le jeu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: the stuff to read</source>
        <translation>Aide&#xa0;: de quoi lire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Lire les règles du jeu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show help contents</source>
        <translation>Afficher le sommaire de l&apos;aide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Christmas Zelmo homepage</source>
        <translation>Site &amp;web de Christmas Zelmo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Christmas Zelmo homepage!</source>
        <translation>Aller sur le site de Christmas Zelmo&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this game</source>
        <translation>À propos de ce jeu</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <location filename="../shell/MainToolBar.cpp" line="+17"/>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press this button for random play or select game from drop-down menu</source>
        <translation>Cliquez pour une partie au hasard ou choisissez un jeu dans le menu déroulant</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest the next move (it may be not the best)</source>
        <translation>Suggérer le prochain coup (pas forcément le meilleur)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoplay</source>
        <translation>Jeu auto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Laisser l&apos;ordinateur jouer à votre place</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Lire les règles du jeu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Mover</source>
        <translation>&amp;Renvoi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Tas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>R&amp;onde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&amp;andom</source>
        <translation>&amp;Au hasard</translation>
    </message>
</context>
<context>
    <name>TVariantGame</name>
    <message>
        <location filename="../games/common/BoutStates.cpp" line="+15"/>
        <location filename="../games/heap/HeapStates.cpp" line="+53"/>
        <source>CPU plays %1</source>
        <translation>CPU joue %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../games/heap/HeapStates.cpp" line="-3"/>
        <source>CPU beats %1 with %2</source>
        <translation>CPU bat %1 avec %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>CPU takes the table</source>
        <translation>CPU ramasse la table</translation>
    </message>
    <message>
        <location filename="../games/common/VariantAttacks.cpp" line="+49"/>
        <source>The same position came round three times: a draw.</source>
        <translation>La même position est revenue trois fois&#xa0;: match nul.</translation>
    </message>
    <message numerus="yes">
        <location filename="../games/heap/HeapStates.cpp" line="+17"/>
        <source>CPU takes %n cards</source>
        <translation>
            <numerusform>CPU ramasse %n carte</numerusform>
            <numerusform>CPU ramasse %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../games/round/RoundCircle.cpp" line="+40"/>
        <source>CPU gets the rest of the circle</source>
        <translation>CPU reçoit le reste du cercle</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CPU captures %1 with %2</source>
        <translation>CPU capture %1 avec %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CPU puts %1 into the circle</source>
        <translation>CPU pose %1 dans le cercle</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.cpp" line="+8"/>
        <source>Waiting until CPU moves</source>
        <translation>Attendez que CPU joue</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../games/heap/HeapZelmo.cpp" line="+13"/>
        <source>Waiting until CPU defends</source>
        <translation>Attendez que CPU défende</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting until CPU throws more</source>
        <translation>Attendez de voir si CPU rajoute</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.h" line="+9"/>
        <source>Click your card to throw more, click right mouse button if that&apos;s it</source>
        <translation>Cliquez sur une carte pour rajouter, clic droit si c&apos;est tout</translation>
    </message>
    <message>
        <location filename="../games/common/VariantGame.cpp" line="+227"/>
        <source>CPU&apos;s hand</source>
        <translation>main de CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>your hand</source>
        <translation>votre main</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deck</source>
        <translation>pioche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discard pile</source>
        <translation>défausse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <location filename="../games/heap/HeapZelmo.cpp" line="-5"/>
        <source>Click on your card to make move</source>
        <translation>Cliquez sur une carte pour jouer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait until CPU moves</source>
        <translation>Attendez que CPU joue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click on your card to defend, click table card to take</source>
        <translation>Cliquez sur une carte pour défendre, sur une carte de la table pour ramasser</translation>
    </message>
    <message>
        <location filename="../games/mover/MoverZelmo.cpp" line="+8"/>
        <source>Click your card to move</source>
        <translation>Cliquez sur une carte pour jouer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take, make move with right mouse button to avoid moving table</source>
        <translation>Cliquez sur une carte pour défendre, sur une carte de la table pour ramasser&#xa0;; clic droit pour couvrir sans renvoyer la table</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are moving the table</source>
        <translation>Vous renvoyez la table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU is moving the table</source>
        <translation>CPU renvoie la table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU throws more</source>
        <translation>CPU rajoute des cartes</translation>
    </message>
    <message>
        <location filename="../games/round/RoundZelmo.cpp" line="+26"/>
        <source>Click your card to make move</source>
        <translation>Cliquez sur une carte pour jouer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take</source>
        <translation>Cliquez sur une carte pour défendre, sur une carte de la table pour ramasser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU gives you more</source>
        <translation>CPU vous donne des cartes en plus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU has taken, so throw him more, right click if ok</source>
        <translation>CPU a ramassé&#xa0;: donnez-lui-en plus, clic droit si c&apos;est tout</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a card in the circle and beat it with top card in the deck to get them</source>
        <translation>Choisissez une carte du cercle et battez-la avec la carte du dessus de la pioche pour les prendre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wait until CPU beats</source>
        <translation>Attendez que CPU batte</translation>
    </message>
</context>
</TS>
