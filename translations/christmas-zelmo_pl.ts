<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../cards/BoardAccessible.cpp" line="+74"/>
        <source>1 card</source>
        <translation>1 karta</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cards</source>
        <translation>
            <numerusform>%n karta</numerusform>
            <numerusform>%n karty</numerusform>
            <numerusform>%n kart</numerusform>
        </translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Card table</source>
        <translation>Stół do gry</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>face-down card</source>
        <translation>zakryta karta</translation>
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
        <translation>%1, można zagrać</translation>
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
        <translation>Dwójka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Four</source>
        <translation>Czwórka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>Piątka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Six</source>
        <translation>Szóstka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Siódemka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Eight</source>
        <translation>Ósemka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Dziewiątka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ten</source>
        <translation>Dziesiątka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jack</source>
        <translation>Walet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>King</source>
        <translation>Król</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 of %2</source>
        <extracomment>%1 the value, %2 the suit: &quot;Queen of Hearts&quot;</extracomment>
        <translation>%1 %2</translation>
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
        <translation>Gra karciana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack and defend with a 36-card deck against the computer</source>
        <translation>Atakuj i broń się talią 36 kart przeciwko komputerowi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cards;zelmo;christmas;</source>
        <translation>karty;zelmo;święta;boże narodzenie;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas card game against the computer</source>
        <translation>Świąteczna gra karciana przeciwko komputerowi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a trump suit. You play against the computer in three variants:</source>
        <translation>Christmas Zelmo to gra karciana w atak i obronę, talią 36 kart z kolorem atutowym. Grasz przeciwko komputerowi w trzech odmianach:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mover: the defender may pass the attack on by moving the table to the other player.</source>
        <translation>Przesuwanka: obrońca może przekazać atak dalej, przesuwając stół do drugiego gracza.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heap: every card played stays on one growing heap, and a side that cannot beat its top card takes the top three, or five under a trump.</source>
        <translation>Sterta: każda zagrana karta zostaje na jednej rosnącej stercie, a kto nie może pobić wierzchniej karty, bierze trzy wierzchnie, a pod atutem pięć.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round: a capture phase around a ring of nine cards, then an attack phase.</source>
        <translation>Krąg: najpierw faza zgarniania kart z kręgu dziewięciu kart, potem faza ataku.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cards fly across the table in smooth animations. Ask for a hint, let the computer play your side, read the rules in the built-in help, and choose card backs, backgrounds and the pace of the animation.</source>
        <translation>Karty płynnie przelatują nad stołem. Poproś o podpowiedź, pozwól komputerowi grać za siebie, przeczytaj zasady we wbudowanej pomocy i wybierz rewersy, tła oraz tempo animacji.</translation>
    </message>
</context>
<context>
    <name>TChooser</name>
    <message>
        <location filename="../shell/Chooser.cpp" line="+29"/>
        <source>Mover Zelmo -- the most popular</source>
        <translation>Zelmo Przesuwanka – najpopularniejsza</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heap Zelmo -- a very unpredictable play</source>
        <translation>Zelmo Sterta – gra pełna niespodzianek</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round Zelmo -- take more to win</source>
        <translation>Zelmo Krąg – kto więcej weźmie, ten wygra</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Select a gift! (click on game&apos;s name)</source>
        <translation>Wybierz prezent! (kliknij nazwę gry)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas tree with gifts</source>
        <translation>Choinka z prezentami</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a gift from under the tree to play game</source>
        <translation>Wybierz prezent spod choinki, aby zagrać</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <location filename="../shell/About.cpp" line="+49"/>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Christmas Edition</source>
        <translation>Edycja świąteczna</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Christmas Zelmo homepage:</source>
        <translation>Strona Christmas Zelmo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If you have any questions, comments or suggestions about Christmas Zelmo, e-mail author:</source>
        <translation>Pytania, uwagi i propozycje dotyczące Christmas Zelmo wyślij autorowi e-mailem:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s e-mail:</source>
        <translation>E-mail autora:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your feedback will be gladly accepted.</source>
        <translation>Każda opinia jest mile widziana.</translation>
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
        <translation>„Czy to ja gram lepiej?”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Nobody wins&quot;</source>
        <translation>„Nikt nie wygrywa”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I gave him odds&quot;</source>
        <translation>„Daję mu fory”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Hmm... Result is nothing.&quot;</source>
        <translation>„Hmm... Wynik żaden.”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;The next game will be...&quot;</source>
        <translation>„Następna gra będzie...”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can win all other games too!&quot;</source>
        <translation>„Wszystkie inne gry też wygram!”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;It was a piece of cake!&quot;</source>
        <translation>„Bułka z masłem!”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Remember son: computer cannot beat human&quot;</source>
        <translation>„Zapamiętaj, synu: komputer nie pokona człowieka”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Oops! It&apos;s just a bad luck&quot;</source>
        <translation>„Ups! To tylko pech”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I got entangled&quot;</source>
        <translation>„Coś mi się poplątało”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;He! Makes! Me! Crazy!!!&quot;</source>
        <translation>„On! Mnie! Wykończy!!!”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can beat him right now&quot;</source>
        <translation>„Zaraz go pokonam”</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Draw</source>
        <translation>Remis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You win</source>
        <translation>Twoja wygrana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer wins</source>
        <translation>Wygrał komputer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Game over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Picture of the result</source>
        <translation>Obrazek wyniku</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Play again!</source>
        <translation>Jeszcze raz!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <location filename="../shell/GameCommands.cpp" line="+72"/>
        <source>%1: %2 won, %3 lost, %4 drawn</source>
        <translation>%1: wygrane %2, przegrane %3, remisy %4</translation>
    </message>
    <message>
        <location filename="../shell/GameLifecycle.cpp" line="+26"/>
        <source>End current game?</source>
        <translation>Zakończyć bieżącą grę?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Click a gift from under the Christmas Tree to start playing</source>
        <translation>Kliknij prezent pod choinką, aby zacząć grę</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../shell/HelpCommands.cpp" line="+40"/>
        <source>Could not initialize HTML Help. Make sure you have Microsoft Internet Explorer 4.0 or greater installed</source>
        <translation>Nie udało się uruchomić pomocy HTML. Sprawdź, czy zainstalowano Microsoft Internet Explorer 4.0 lub nowszy</translation>
    </message>
    <message>
        <location filename="../shell/UMain.cpp" line="+114"/>
        <source>Game has received a WM_GAMEDESTROYED! Please report to author about this message</source>
        <translation>Gra otrzymała WM_GAMEDESTROYED! Zgłoś ten komunikat autorowi</translation>
    </message>
</context>
<context>
    <name>TFPrefs</name>
    <message>
        <location filename="../shell/Prefs.cpp" line="+27"/>
        <location filename="../shell/PrefsPages.cpp" line="+67"/>
        <source>Candy Canes</source>
        <translation>Cukierki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rabbit</source>
        <translation>Królik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cone</source>
        <translation>Szyszka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf Doll</source>
        <translation>Lalka elf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gingerbread House</source>
        <translation>Domek z piernika</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../shell/PrefsPages.cpp" line="-1"/>
        <source>Bells</source>
        <translation>Dzwonki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chocolate Santa</source>
        <translation>Czekoladowy Mikołaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Candles</source>
        <translation>Świece</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Young Fir</source>
        <translation>Młoda jodła</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santa Claus</source>
        <translation>Święty Mikołaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf With Gift</source>
        <translation>Elf z prezentem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Tree</source>
        <translation>Choinka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ice Sculpture</source>
        <translation>Rzeźba z lodu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow-plough</source>
        <translation>Pług śnieżny</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zelmo Preferences</source>
        <translation>Ustawienia Zelmo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;General</source>
        <translation>O&amp;gólne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backs</source>
        <translation>&amp;Rewersy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;ackgrounds</source>
        <translation>&amp;Tła</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mputer</source>
        <translation>&amp;Komputer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Nieprawidłowy typ danych dla „%1”</translation>
    </message>
    <message>
        <location filename="../shell/Prefs.h" line="+52"/>
        <source>Could not load picture</source>
        <translation>Nie można wczytać obrazka</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-41"/>
        <source>All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image (*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg</source>
        <translation>Wszystkie obrazy (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Obraz PNG (*.png)|*.png|Obraz PCX (*.pcx)|*.pcx|Obraz ANI (*.ani)|*.ani|Obraz JPEG (*.jpeg;*.jpg)|*.jpeg;*.jpg</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Solid color</source>
        <translation>Jednolity kolor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal</source>
        <translation>Poziomy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical</source>
        <translation>Pionowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elliptic</source>
        <translation>Eliptyczny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rectangular</source>
        <translation>Prostokątny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Obrazek</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gifts</source>
        <translation>Prezenty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 1</source>
        <translation>Śnieżynki 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow</source>
        <translation>Śnieg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 2</source>
        <translation>Śnieżynki 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom...</source>
        <translation>Własny...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Toolbar </source>
        <translation>Pasek narzędzi </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar</source>
        <translation>Pokaż pasek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar in main window</source>
        <translation>Pokaż pasek narzędzi w oknie głównym</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flat buttons</source>
        <translation>Płaskie przyciski</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Card animation </source>
        <translation> Animacja kart </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Much accelerated</source>
        <translation>Duży rozpęd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acceleration</source>
        <translation>Rozpęd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steady</source>
        <translation>Równo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deceleration</source>
        <translation>Hamowanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Much decelerated</source>
        <translation>Duże hamowanie</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The vertical line.
This hint is a kind of easter egg that does nothing.</source>
        <translation>Pionowa kreska.
Ta podpowiedź to taka niespodzianka, która nic nie robi.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation time:</source>
        <translation>Czas animacji:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 msec</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table size </source>
        <translation>Rozmiar stołu </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The table resizes at once; menus, dialogs and a new language at the next start.</source>
        <translation>Stół zmienia się od razu; menu, okna i język po ponownym uruchomieniu.</translation>
    </message>
    <message>
        <location filename="../shell/TableSize.cpp" line="+32"/>
        <source>Fit to window</source>
        <translation>Do okna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-2"/>
        <source>Show the whole game larger</source>
        <translation>Pokaż całą grę w powiększeniu</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Draw frame</source>
        <translation>Rysuj ramkę</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Select board color:</source>
        <translation>Wybierz kolor stołu:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here</source>
        <translation>Kliknij tutaj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start color</source>
        <translation>Początkowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End color</source>
        <translation>Końcowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Click...</source>
        <translation>Kliknij...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap colors</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Stretch</source>
        <translation>Rozciągaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Kafelkuj</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Computer player </source>
        <translation> Przeciwnik </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays by fixed rules, as the hint does</source>
        <translation>Gra według stałych reguł, jak podpowiedź</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Silny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinks ahead from what it has seen, never from your cards</source>
        <translation>Myśli naprzód na podstawie tego, co widział, nie twoich kart</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A change counts from the next game on.</source>
        <translation>Zmiana obowiązuje od następnej gry.</translation>
    </message>
</context>
<context>
    <name>TFStatistics</name>
    <message>
        <location filename="../shell/Statistics.cpp" line="+22"/>
        <source>Played</source>
        <translation>Rozegrane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drawn</source>
        <translation>Remisy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abandoned</source>
        <translation>Porzucone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won %</source>
        <translation>Wygrane %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak</source>
        <translation>Seria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest wins</source>
        <translation>Maks. wygranych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest losses</source>
        <translation>Maks. przegranych</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 won</source>
        <translation>wygrane: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost</source>
        <translation>przegrane: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Reset</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Against the classic CPU</source>
        <translation>Z klasycznym CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Against the strong CPU</source>
        <translation>Z silnym CPU</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Reset the statistics of all games?</source>
        <translation>Wyzerować statystyki wszystkich gier?</translation>
    </message>
</context>
<context>
    <name>TFileEdit</name>
    <message>
        <location filename="../shell/FileEdit.cpp" line="+21"/>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
</context>
<context>
    <name>TGameKinds</name>
    <message>
        <location filename="../shell/GameKinds.cpp" line="+16"/>
        <source>Mover</source>
        <translation>Przesuwanka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heap</source>
        <translation>Sterta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round</source>
        <translation>Krąg</translation>
    </message>
</context>
<context>
    <name>TGameTally</name>
    <message>
        <location filename="../shell/GameTally.cpp" line="+80"/>
        <source>%1 (strong CPU)</source>
        <translation>%1 (silny CPU)</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <location filename="../shell/HelpWindow.cpp" line="+94"/>
        <source>The help file %1 could not be found.</source>
        <translation>Nie znaleziono pliku pomocy %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 is empty.</source>
        <translation>Plik pomocy %1 jest pusty.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The help file %1 is damaged and cannot be read.</source>
        <translation>Plik pomocy %1 jest uszkodzony i nie da się go odczytać.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>The help file %1 does not name a start page.</source>
        <translation>Plik pomocy %1 nie wskazuje strony startowej.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The page %1 is not in the help file %2.</source>
        <translation>Strony %1 nie ma w pliku pomocy %2.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location line="+51"/>
        <source>%1 Help</source>
        <translation>%1 – pomoc</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Navigation</source>
        <translation>Nawigacja</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to find</source>
        <translation>Wpisz szukane słowo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
</context>
<context>
    <name>THtmlHelp</name>
    <message>
        <location filename="../shell/Help.cpp" line="+64"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>Na tym komputerze nie zainstalowano MS Html Help.</translation>
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
        <translation>&amp;Graj</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play: select a game to play or exit</source>
        <translation>Graj: wybierz grę albo zakończ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mover</source>
        <translation>&amp;Przesuwanka</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;mover&quot; zelmo</source>
        <translation>Zagraj w Przesuwankę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Sterta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;heap&quot; zelmo</source>
        <translation>Zagraj w Stertę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Krąg</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;round&quot; zelmo</source>
        <translation>Zagraj w Krąg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random &amp;Game</source>
        <translation>&amp;Losowa gra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play random game</source>
        <translation>Zagraj w losową grę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End game</source>
        <translation>&amp;Zakończ grę</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End current game</source>
        <translation>Zakończ bieżącą grę</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Wyjście</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit game</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Game</source>
        <translation>G&amp;ra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game: game options</source>
        <translation>Gra: opcje gry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest a next move (it may be not the best)</source>
        <translation>Podpowiedz ruch (nie zawsze najlepszy)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Autoplay</source>
        <translation>&amp;Autogra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Niech komputer gra za ciebie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statystyki...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show how your games have gone so far</source>
        <translation>Pokaż, jak dotąd szły ci gry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the table on the whole screen</source>
        <translation>Pokaż stół na całym ekranie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Customize game</source>
        <translation>Dostosuj grę</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: the stuff to read</source>
        <translation>Pomoc: coś do poczytania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <translation>&amp;Zasady</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Przeczytaj zasady gry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show help contents</source>
        <translation>Pokaż spis treści pomocy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Christmas Zelmo homepage</source>
        <translation>Strona &amp;domowa Christmas Zelmo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Christmas Zelmo homepage!</source>
        <translation>Odwiedź stronę Christmas Zelmo!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this game</source>
        <translation>O tej grze</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <location filename="../shell/MainToolBar.cpp" line="+17"/>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press this button for random play or select game from drop-down menu</source>
        <translation>Naciśnij, aby zagrać w losową grę, albo wybierz grę z rozwijanego menu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest the next move (it may be not the best)</source>
        <translation>Podpowiedz następny ruch (nie zawsze najlepszy)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoplay</source>
        <translation>Autogra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Niech komputer gra za ciebie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Przeczytaj zasady gry</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Mover</source>
        <translation>&amp;Przesuwanka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Sterta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>&amp;Krąg</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&amp;andom</source>
        <translation>&amp;Losowa</translation>
    </message>
</context>
<context>
    <name>TVariantGame</name>
    <message>
        <location filename="../games/common/BoutStates.cpp" line="+15"/>
        <location filename="../games/heap/HeapStates.cpp" line="+53"/>
        <source>CPU plays %1</source>
        <translation>CPU zagrywa: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../games/heap/HeapStates.cpp" line="-3"/>
        <source>CPU beats %1 with %2</source>
        <translation>CPU bije kartę %1 kartą %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>CPU takes the table</source>
        <translation>CPU bierze karty ze stołu</translation>
    </message>
    <message>
        <location filename="../games/common/VariantAttacks.cpp" line="+49"/>
        <source>The same position came round three times: a draw.</source>
        <translation>Ta sama sytuacja powtórzyła się trzy razy: remis.</translation>
    </message>
    <message numerus="yes">
        <location filename="../games/heap/HeapStates.cpp" line="+17"/>
        <source>CPU takes %n cards</source>
        <translation>
            <numerusform>CPU bierze %n kartę</numerusform>
            <numerusform>CPU bierze %n karty</numerusform>
            <numerusform>CPU bierze %n kart</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../games/round/RoundCircle.cpp" line="+40"/>
        <source>CPU gets the rest of the circle</source>
        <translation>CPU dostaje resztę kręgu</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CPU captures %1 with %2</source>
        <translation>CPU zgarnia kartę %1 kartą %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CPU puts %1 into the circle</source>
        <translation>CPU kładzie do kręgu: %1</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.cpp" line="+8"/>
        <source>Waiting until CPU moves</source>
        <translation>Czekamy na ruch CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../games/heap/HeapZelmo.cpp" line="+13"/>
        <source>Waiting until CPU defends</source>
        <translation>Czekamy, aż CPU się obroni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting until CPU throws more</source>
        <translation>Czekamy, czy CPU dorzuci</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.h" line="+9"/>
        <source>Click your card to throw more, click right mouse button if that&apos;s it</source>
        <translation>Kliknij kartę, by dorzucić, lub prawym przyciskiem, jeśli to wszystko</translation>
    </message>
    <message>
        <location filename="../games/common/VariantGame.cpp" line="+227"/>
        <source>CPU&apos;s hand</source>
        <translation>ręka CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>your hand</source>
        <translation>twoja ręka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deck</source>
        <translation>talia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>stół</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discard pile</source>
        <translation>stos odrzuconych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circle</source>
        <translation>krąg</translation>
    </message>
    <message>
        <location filename="../games/heap/HeapZelmo.cpp" line="-5"/>
        <source>Click on your card to make move</source>
        <translation>Kliknij swoją kartę, aby wykonać ruch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait until CPU moves</source>
        <translation>Zaczekaj, CPU wykonuje ruch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click on your card to defend, click table card to take</source>
        <translation>Kliknij swoją kartę, by się bronić, kartę na stole, by wziąć</translation>
    </message>
    <message>
        <location filename="../games/mover/MoverZelmo.cpp" line="+8"/>
        <source>Click your card to move</source>
        <translation>Kliknij swoją kartę, aby zagrać</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take, make move with right mouse button to avoid moving table</source>
        <translation>Kliknij swoją kartę, by się bronić, kartę na stole, by wziąć; prawym przyciskiem kryjesz bez przesuwania stołu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are moving the table</source>
        <translation>Przesuwasz stół</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU is moving the table</source>
        <translation>CPU przesuwa stół</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU throws more</source>
        <translation>CPU dorzuca</translation>
    </message>
    <message>
        <location filename="../games/round/RoundZelmo.cpp" line="+26"/>
        <source>Click your card to make move</source>
        <translation>Kliknij swoją kartę, aby wykonać ruch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take</source>
        <translation>Kliknij swoją kartę, by się bronić, kartę na stole, by wziąć</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU gives you more</source>
        <translation>CPU dokłada ci karty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU has taken, so throw him more, right click if ok</source>
        <translation>CPU bierze: dołóż mu karty, prawy przycisk kończy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a card in the circle and beat it with top card in the deck to get them</source>
        <translation>Wybierz kartę w kręgu i pobij ją wierzchnią kartą talii, by je zgarnąć</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wait until CPU beats</source>
        <translation>Zaczekaj, CPU bije</translation>
    </message>
</context>
</TS>
