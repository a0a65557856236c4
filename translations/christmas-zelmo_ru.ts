<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BoardAccessible</name>
    <message>
        <location filename="../cards/BoardAccessible.cpp" line="+74"/>
        <source>1 card</source>
        <translation>1 карта</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cards</source>
        <translation>
            <numerusform>%n карта</numerusform>
            <numerusform>%n карты</numerusform>
            <numerusform>%n карт</numerusform>
        </translation>
    </message>
    <message>
        <location line="+124"/>
        <source>Card table</source>
        <translation>Игровой стол</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>face-down card</source>
        <translation>закрытая карта</translation>
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
        <translation>%1, можно сыграть</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <location filename="../cards/CardNames.cpp" line="+11"/>
        <source>Ace</source>
        <translation>Туз</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Two</source>
        <translation>Двойка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Four</source>
        <translation>Четвёрка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>Пятёрка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Six</source>
        <translation>Шестёрка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Семёрка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Eight</source>
        <translation>Восьмёрка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Девятка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ten</source>
        <translation>Десятка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jack</source>
        <translation>Валет</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Queen</source>
        <translation>Дама</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>King</source>
        <translation>Король</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Diamonds</source>
        <translation>бубён</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spades</source>
        <translation>пик</translation>
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
        <translation>Карточная игра</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack and defend with a 36-card deck against the computer</source>
        <translation>Атакуйте и отбивайтесь колодой из 36 карт против компьютера</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cards;zelmo;christmas;</source>
        <translation>карты;zelmo;рождество;новый год;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas card game against the computer</source>
        <translation>Рождественская карточная игра против компьютера</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Christmas Zelmo is an attack-and-defend trick game with a 36-card deck and a trump suit. You play against the computer in three variants:</source>
        <translation>Christmas Zelmo — карточная игра в атаку и защиту колодой из 36 карт с козырной мастью. Вы играете против компьютера в трёх вариантах:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mover: the defender may pass the attack on by moving the table to the other player.</source>
        <translation>Перевод: отбивающийся может перевести атаку на другого игрока.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heap: every card played stays on one growing heap, and a side that cannot beat its top card takes the top three, or five under a trump.</source>
        <translation>Куча: каждая сыгранная карта остаётся в одной растущей куче, а тот, кто не может побить верхнюю карту, берёт три верхние, а под козырем — пять.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round: a capture phase around a ring of nine cards, then an attack phase.</source>
        <translation>Круг: сначала фаза захвата карт из круга в девять карт, затем фаза атаки.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cards fly across the table in smooth animations. Ask for a hint, let the computer play your side, read the rules in the built-in help, and choose card backs, backgrounds and the pace of the animation.</source>
        <translation>Карты плавно летают по столу. Просите подсказку, дайте компьютеру сыграть за вас, читайте правила во встроенной справке и выбирайте рубашки, фон и темп анимации.</translation>
    </message>
</context>
<context>
    <name>TChooser</name>
    <message>
        <location filename="../shell/Chooser.cpp" line="+29"/>
        <source>Mover Zelmo -- the most popular</source>
        <translation>Zelmo «Перевод» — самая популярная</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heap Zelmo -- a very unpredictable play</source>
        <translation>Zelmo «Куча» — игра, полная неожиданностей</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round Zelmo -- take more to win</source>
        <translation>Zelmo «Круг» — больше возьмёшь, выиграешь</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Select a gift! (click on game&apos;s name)</source>
        <translation>Выберите подарок! (щёлкните название игры)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas tree with gifts</source>
        <translation>Ёлка с подарками</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select a gift from under the tree to play game</source>
        <translation>Выберите подарок под ёлкой, чтобы начать игру</translation>
    </message>
</context>
<context>
    <name>TFAbout</name>
    <message>
        <location filename="../shell/About.cpp" line="+49"/>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Christmas Edition</source>
        <translation>Рождественское издание</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Christmas Zelmo homepage:</source>
        <translation>Сайт Christmas Zelmo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If you have any questions, comments or suggestions about Christmas Zelmo, e-mail author:</source>
        <translation>Вопросы, замечания и предложения о Christmas Zelmo присылайте автору по e-mail:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s e-mail:</source>
        <translation>E-mail автора:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your feedback will be gladly accepted.</source>
        <translation>Автор будет рад вашим отзывам.</translation>
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
        <translation>«Это я лучше играю?»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Nobody wins&quot;</source>
        <translation>«Никто не выиграл»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I gave him odds&quot;</source>
        <translation>«Это была фора»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Hmm... Result is nothing.&quot;</source>
        <translation>«Хм... Ни то ни сё.»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;The next game will be...&quot;</source>
        <translation>«А вот следующая игра...»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can win all other games too!&quot;</source>
        <translation>«И все остальные игры выиграю!»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;It was a piece of cake!&quot;</source>
        <translation>«Проще простого!»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Remember son: computer cannot beat human&quot;</source>
        <translation>«Запомни, сынок: компьютер человека не обыграет»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Oops! It&apos;s just a bad luck&quot;</source>
        <translation>«Ой! Просто не повезло»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I got entangled&quot;</source>
        <translation>«Всё запуталось»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;He! Makes! Me! Crazy!!!&quot;</source>
        <translation>«Он! Меня! Бесит!!!»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;I can beat him right now&quot;</source>
        <translation>«Да я его прямо сейчас обыграю»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Draw</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You win</source>
        <translation>Ваша победа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer wins</source>
        <translation>Победа CPU</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Game over</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Picture of the result</source>
        <translation>Картинка результата</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Play again!</source>
        <translation>Ещё раз!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <location filename="../shell/GameCommands.cpp" line="+72"/>
        <source>%1: %2 won, %3 lost, %4 drawn</source>
        <translation>%1: выиграно %2, проиграно %3, вничью %4</translation>
    </message>
    <message>
        <location filename="../shell/GameLifecycle.cpp" line="+26"/>
        <source>End current game?</source>
        <translation>Завершить текущую игру?</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Click a gift from under the Christmas Tree to start playing</source>
        <translation>Щёлкните подарок под ёлкой, чтобы начать игру</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../shell/HelpCommands.cpp" line="+40"/>
        <source>Could not initialize HTML Help. Make sure you have Microsoft Internet Explorer 4.0 or greater installed</source>
        <translation>Не удалось запустить HTML-справку. Убедитесь, что установлен Microsoft Internet Explorer 4.0 или новее</translation>
    </message>
    <message>
        <location filename="../shell/UMain.cpp" line="+114"/>
        <source>Game has received a WM_GAMEDESTROYED! Please report to author about this message</source>
        <translation>Игра получила WM_GAMEDESTROYED! Пожалуйста, сообщите об этом автору</translation>
    </message>
</context>
<context>
    <name>TFPrefs</name>
    <message>
        <location filename="../shell/Prefs.cpp" line="+27"/>
        <location filename="../shell/PrefsPages.cpp" line="+67"/>
        <source>Candy Canes</source>
        <translation>Леденцы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rabbit</source>
        <translation>Кролик</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cone</source>
        <translation>Шишка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf Doll</source>
        <translation>Кукла-эльф</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gingerbread House</source>
        <translation>Пряничный домик</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../shell/PrefsPages.cpp" line="-1"/>
        <source>Bells</source>
        <translation>Бубенчики</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chocolate Santa</source>
        <translation>Шоколадный Санта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Candles</source>
        <translation>Свечи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Young Fir</source>
        <translation>Молодая ёлочка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santa Claus</source>
        <translation>Санта-Клаус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elf With Gift</source>
        <translation>Эльф с подарком</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Tree</source>
        <translation>Ёлка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ice Sculpture</source>
        <translation>Ледяная фигура</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow-plough</source>
        <translation>Снегоуборщик</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zelmo Preferences</source>
        <translation>Настройки Zelmo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;General</source>
        <translation>&amp;Общие</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backs</source>
        <translation>&amp;Рубашки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;ackgrounds</source>
        <translation>&amp;Фон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mputer</source>
        <translation>&amp;Компьютер</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Недопустимый тип данных для «%1»</translation>
    </message>
    <message>
        <location filename="../shell/Prefs.h" line="+52"/>
        <source>Could not load picture</source>
        <translation>Не удалось загрузить картинку</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-41"/>
        <source>All Images (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Portable Graphics Network (*.png)|*.png|PCX Image (*.pcx)|*.pcx|ANI Image (*.ani)|*.ani|JPEG Image (*.jpeg;*.jpg)|*.jpeg;*.jpg</source>
        <translation>Все изображения (*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf)|*.png;*.pcx;*.jpg;*.jpeg;*.bmp;*.emf;*.wmf|Изображение PNG (*.png)|*.png|Изображение PCX (*.pcx)|*.pcx|Изображение ANI (*.ani)|*.ani|Изображение JPEG (*.jpeg;*.jpg)|*.jpeg;*.jpg</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Solid color</source>
        <translation>Сплошной цвет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient</source>
        <translation>Градиент</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal</source>
        <translation>Горизонталь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical</source>
        <translation>Вертикаль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elliptic</source>
        <translation>Эллипс</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rectangular</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gifts</source>
        <translation>Подарки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 1</source>
        <translation>Снежинки 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snow</source>
        <translation>Снег</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Snowflakes 2</source>
        <translation>Снежинки 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom...</source>
        <translation>Своя...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Toolbar </source>
        <translation>Панель кнопок </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar</source>
        <translation>Показ панели</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show toolbar in main window</source>
        <translation>Показывать панель инструментов в главном окне</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flat buttons</source>
        <translation>Плоские кнопки</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Card animation </source>
        <translation> Анимация карт </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Much accelerated</source>
        <translation>Сильный разгон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Acceleration</source>
        <translation>Разгон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steady</source>
        <translation>Равномерно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deceleration</source>
        <translation>Торможение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Much decelerated</source>
        <translation>Сильный тормоз</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The vertical line.
This hint is a kind of easter egg that does nothing.</source>
        <translation>Вертикальная черта.
Эта подсказка — своего рода пасхалка, которая ничего не делает.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Animation time:</source>
        <translation>Время анимации:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 msec</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Table size </source>
        <translation>Размер стола </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The table resizes at once; menus, dialogs and a new language at the next start.</source>
        <translation>Стол меняется сразу; меню, окна и язык — при следующем запуске.</translation>
    </message>
    <message>
        <location filename="../shell/TableSize.cpp" line="+32"/>
        <source>Fit to window</source>
        <translation>По окну</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../shell/PrefsPages.cpp" line="-2"/>
        <source>Show the whole game larger</source>
        <translation>Показать всю игру крупнее</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>System language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Draw frame</source>
        <translation>Рисовать рамку</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Select board color:</source>
        <translation>Выберите цвет стола:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here</source>
        <translation>Щёлкните здесь</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start color</source>
        <translation>Начальный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End color</source>
        <translation>Конечный</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Click...</source>
        <translation>Выбор...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Swap colors</source>
        <translation>Поменять</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Stretch</source>
        <translation>Целиком</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Плитки</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> Computer player </source>
        <translation> Соперник </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic</source>
        <translation>Классический</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plays by fixed rules, as the hint does</source>
        <translation>Играет по жёстким правилам, как подсказка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Сильный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thinks ahead from what it has seen, never from your cards</source>
        <translation>Думает наперёд по увиденным картам, не видя ваших</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A change counts from the next game on.</source>
        <translation>Изменение действует со следующей игры.</translation>
    </message>
</context>
<context>
    <name>TFStatistics</name>
    <message>
        <location filename="../shell/Statistics.cpp" line="+22"/>
        <source>Played</source>
        <translation>Сыграно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Выиграно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Проиграно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drawn</source>
        <translation>Вничью</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abandoned</source>
        <translation>Брошено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won %</source>
        <translation>Выиграно %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak</source>
        <translation>Серия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest wins</source>
        <translation>Лучшая серия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longest losses</source>
        <translation>Худшая серия</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 won</source>
        <translation>побед: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost</source>
        <translation>поражений: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Against the classic CPU</source>
        <translation>Классический CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Against the strong CPU</source>
        <translation>Сильный CPU</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Reset the statistics of all games?</source>
        <translation>Сбросить статистику всех игр?</translation>
    </message>
</context>
<context>
    <name>TFileEdit</name>
    <message>
        <location filename="../shell/FileEdit.cpp" line="+21"/>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
</context>
<context>
    <name>TGameKinds</name>
    <message>
        <location filename="../shell/GameKinds.cpp" line="+16"/>
        <source>Mover</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heap</source>
        <translation>Куча</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round</source>
        <translation>Круг</translation>
    </message>
</context>
<context>
    <name>TGameTally</name>
    <message>
        <location filename="../shell/GameTally.cpp" line="+80"/>
        <source>%1 (strong CPU)</source>
        <translation>%1 (сильный CPU)</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <location filename="../shell/HelpWindow.cpp" line="+94"/>
        <source>The help file %1 could not be found.</source>
        <translation>Файл справки %1 не найден.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The help file %1 is empty.</source>
        <translation>Файл справки %1 пуст.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The help file %1 is damaged and cannot be read.</source>
        <translation>Файл справки %1 повреждён и не может быть прочитан.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>The help file %1 does not name a start page.</source>
        <translation>В файле справки %1 не указана начальная страница.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The page %1 is not in the help file %2.</source>
        <translation>Страницы %1 нет в файле справки %2.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location line="+51"/>
        <source>%1 Help</source>
        <translation>Справка %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+11"/>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Type a word to find</source>
        <translation>Введите слово для поиска</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Index</source>
        <translation>Указатель</translation>
    </message>
</context>
<context>
    <name>THtmlHelp</name>
    <message>
        <location filename="../shell/Help.cpp" line="+64"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS Html Help не установлен на этом компьютере.</translation>
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
        <translation>&amp;Играть</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play: select a game to play or exit</source>
        <translation>Играть: выберите игру или выйдите</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mover</source>
        <translation>&amp;Перевод</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;mover&quot; zelmo</source>
        <translation>Играть в Zelmo «Перевод»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Куча</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;heap&quot; zelmo</source>
        <translation>Играть в Zelmo «Куча»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>К&amp;руг</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play &quot;round&quot; zelmo</source>
        <translation>Играть в Zelmo «Круг»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random &amp;Game</source>
        <translation>&amp;Случайная игра</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Play random game</source>
        <translation>Играть в случайную игру</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End game</source>
        <translation>&amp;Завершить игру</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>End current game</source>
        <translation>Завершить текущую игру</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit game</source>
        <translation>Выйти из игры</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Game</source>
        <translation>И&amp;гра</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game: game options</source>
        <translation>Игра: параметры игры</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest a next move (it may be not the best)</source>
        <translation>Подсказать ход (не обязательно лучший)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Autoplay</source>
        <translation>&amp;Автоигра</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Пусть компьютер играет за вас</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Статистика...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show how your games have gone so far</source>
        <translation>Показать, как шли ваши игры</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full screen</source>
        <translation>Во весь &amp;экран</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the table on the whole screen</source>
        <translation>Показать стол на весь экран</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Customize game</source>
        <translation>Настроить игру</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help: the stuff to read</source>
        <translation>Справка: что почитать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rules</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Читать правила игры</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show help contents</source>
        <translation>Показать содержание справки</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Christmas Zelmo homepage</source>
        <translation>&amp;Домашняя страница Christmas Zelmo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Christmas Zelmo homepage!</source>
        <translation>Перейти на сайт Christmas Zelmo!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>About this game</source>
        <translation>Об этой игре</translation>
    </message>
</context>
<context>
    <name>TMainToolBar</name>
    <message>
        <location filename="../shell/MainToolBar.cpp" line="+17"/>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press this button for random play or select game from drop-down menu</source>
        <translation>Нажмите для случайной игры или выберите игру в раскрывающемся меню</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suggest the next move (it may be not the best)</source>
        <translation>Подсказать следующий ход (не обязательно лучший)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autoplay</source>
        <translation>Автоигра</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Let computer play for you</source>
        <translation>Пусть компьютер играет за вас</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Read game rules</source>
        <translation>Читать правила игры</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Mover</source>
        <translation>&amp;Перевод</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Heap</source>
        <translation>&amp;Куча</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Round</source>
        <translation>К&amp;руг</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R&amp;andom</source>
        <translation>&amp;Случайная</translation>
    </message>
</context>
<context>
    <name>TVariantGame</name>
    <message>
        <location filename="../games/common/BoutStates.cpp" line="+15"/>
        <location filename="../games/heap/HeapStates.cpp" line="+53"/>
        <source>CPU plays %1</source>
        <translation>CPU ходит: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <location filename="../games/heap/HeapStates.cpp" line="-3"/>
        <source>CPU beats %1 with %2</source>
        <translation>CPU бьёт карту %1 картой %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>CPU takes the table</source>
        <translation>CPU берёт карты со стола</translation>
    </message>
    <message>
        <location filename="../games/common/VariantAttacks.cpp" line="+49"/>
        <source>The same position came round three times: a draw.</source>
        <translation>Одна и та же позиция повторилась трижды: ничья.</translation>
    </message>
    <message numerus="yes">
        <location filename="../games/heap/HeapStates.cpp" line="+17"/>
        <source>CPU takes %n cards</source>
        <translation>
            <numerusform>CPU берёт %n карту</numerusform>
            <numerusform>CPU берёт %n карты</numerusform>
            <numerusform>CPU берёт %n карт</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../games/round/RoundCircle.cpp" line="+40"/>
        <source>CPU gets the rest of the circle</source>
        <translation>CPU получает остаток круга</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>CPU captures %1 with %2</source>
        <translation>CPU захватывает карту %1 картой %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CPU puts %1 into the circle</source>
        <translation>CPU кладёт в круг: %1</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.cpp" line="+8"/>
        <source>Waiting until CPU moves</source>
        <translation>Ждём хода CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../games/heap/HeapZelmo.cpp" line="+13"/>
        <source>Waiting until CPU defends</source>
        <translation>Ждём, пока CPU отобьётся</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting until CPU throws more</source>
        <translation>Ждём, подкинет ли CPU</translation>
    </message>
    <message>
        <location filename="../games/common/BoutGame.h" line="+9"/>
        <source>Click your card to throw more, click right mouse button if that&apos;s it</source>
        <translation>Щёлкните карту, чтобы подкинуть, или правой кнопкой, если всё</translation>
    </message>
    <message>
        <location filename="../games/common/VariantGame.cpp" line="+227"/>
        <source>CPU&apos;s hand</source>
        <translation>рука CPU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>your hand</source>
        <translation>ваша рука</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deck</source>
        <translation>колода</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>table</source>
        <translation>стол</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discard pile</source>
        <translation>отбой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>circle</source>
        <translation>круг</translation>
    </message>
    <message>
        <location filename="../games/heap/HeapZelmo.cpp" line="-5"/>
        <source>Click on your card to make move</source>
        <translation>Щёлкните свою карту, чтобы сделать ход</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait until CPU moves</source>
        <translation>Подождите, CPU ходит</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click on your card to defend, click table card to take</source>
        <translation>Щёлкните свою карту, чтобы отбиться, или карту на столе, чтобы взять</translation>
    </message>
    <message>
        <location filename="../games/mover/MoverZelmo.cpp" line="+8"/>
        <source>Click your card to move</source>
        <translation>Щёлкните свою карту, чтобы походить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take, make move with right mouse button to avoid moving table</source>
        <translation>Щёлкните свою карту, чтобы отбиться, или карту на столе, чтобы взять; правой кнопкой — покрыть без перевода</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You are moving the table</source>
        <translation>Вы переводите</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU is moving the table</source>
        <translation>CPU переводит</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CPU throws more</source>
        <translation>CPU подкидывает</translation>
    </message>
    <message>
        <location filename="../games/round/RoundZelmo.cpp" line="+26"/>
        <source>Click your card to make move</source>
        <translation>Щёлкните свою карту, чтобы сделать ход</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click your card to defend, click table card to take</source>
        <translation>Щёлкните свою карту, чтобы отбиться, или карту на столе, чтобы взять</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU gives you more</source>
        <translation>CPU подкидывает вдогонку</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CPU has taken, so throw him more, right click if ok</source>
        <translation>CPU берёт: подкиньте вдогонку, правой кнопкой — хватит</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a card in the circle and beat it with top card in the deck to get them</source>
        <translation>Выберите карту в круге и побейте её верхней картой колоды, чтобы забрать обе</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wait until CPU beats</source>
        <translation>Подождите, CPU бьёт</translation>
    </message>
</context>
</TS>
