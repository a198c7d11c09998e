<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Bodies</name>
    <message>
        <source>Солнце</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Меркурий</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>Венера</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Земля</source>
        <translation>Earth</translation>
    </message>
    <message>
        <source>Марс</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Юпитер</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Сатурн</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Уран</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Нептун</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Плутон</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Астероид</source>
        <translation>Asteroid</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Координаты планет в масштабе орбиты Юпитера</source>
        <translation>Planet positions on the scale of Jupiter’s orbit</translation>
    </message>
    <message>
        <source>Координаты планет и астероида относительно орбиты Юпитера</source>
        <translation>Planets and the asteroid relative to Jupiter’s orbit</translation>
    </message>
    <message>
        <source>      Изменение параметров объектов</source>
        <translation>      Changing the bodies’ parameters</translation>
    </message>
    <message>
        <source>   Задайте параметры    астероида      (если они          есть)</source>
        <translation>   Set the    asteroid’s      parameters      (if there          is one)</translation>
    </message>
    <message>
        <source> Измените угол расположения пла-      неты в градусах  (если необходимо)</source>
        <translation> Change the planet’s angular      position in degrees  (if needed)</translation>
    </message>
    <message>
        <source>Масса объекта в про- центах от массы Земли  </source>
        <translation>Mass of the body in per- cent of the Earth’s mass  </translation>
    </message>
    <message>
        <source> Координата объекта   X       в тыс. километров  </source>
        <translation> Body coordinate   X                 in thousands of km  </translation>
    </message>
    <message>
        <source> Координата объекта  Y       в тыс. километров </source>
        <translation> Body coordinate  Y                  in thousands of km </translation>
    </message>
    <message>
        <source> Скорость объекта по             оси  X в м/сек </source>
        <translation> Body velocity along             the X axis in m/s </translation>
    </message>
    <message>
        <source> Скорость объекта по             оси  Y в м/сек</source>
        <translation> Body velocity along             the Y axis in m/s</translation>
    </message>
    <message>
        <source>Сохранить данные в файле №1</source>
        <translation>Save Data to File No.&#xa0;1</translation>
    </message>
    <message>
        <source>Загрузить данные из файла №1</source>
        <translation>Load Data from File No.&#xa0;1</translation>
    </message>
    <message>
        <source>Загрузить данные  на  1.1.2000 года</source>
        <translation>Load Data  for  1.1.2000</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Вывести на экраны</source>
        <translation>Show on Screens</translation>
    </message>
    <message>
        <source>Начать эксперимент</source>
        <translation>Start Experiment</translation>
    </message>
    <message>
        <source>Замедление</source>
        <translation>Slow-Down</translation>
    </message>
    <message>
        <source>Включено</source>
        <extracomment>Switched on: here the Sun&apos;s motion (the Sun is free); in the set-up window the slow-down.</extracomment>
        <translation>On</translation>
    </message>
    <message>
        <source>Выключено</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Точность решения</source>
        <translation>Solution Accuracy</translation>
    </message>
    <message>
        <source>Низкая</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Средняя</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Высокая</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>     Изменить          параметры          объектов          (сохранить)</source>
        <translation>     Change          Body          Parameters          (Save)</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Переместить       экран</source>
        <extracomment>The label over the four arrow buttons that move the left screen; the spaces break it into two lines.</extracomment>
        <translation>Move       screen</translation>
    </message>
    <message>
        <source>Размеры экрана = 9000 млн. км</source>
        <translation>Screen size = 9000 million km</translation>
    </message>
    <message>
        <source>Замедление на шаге =1 мс</source>
        <translation>Slow-down per step =1 ms</translation>
    </message>
    <message>
        <source>    С начала эксперимента прошло</source>
        <translation>    Time since the experiment began</translation>
    </message>
    <message>
        <source>Лет и</source>
        <extracomment>Read with the counters around it: “[years] Лет и [days] Дней”, the time since the experiment began.</extracomment>
        <translation>years</translation>
    </message>
    <message>
        <source>Дней</source>
        <extracomment>Follows the days&apos; counter: “[years] Лет и [days] Дней”.</extracomment>
        <translation>days</translation>
    </message>
    <message>
        <source>Движение Солнца</source>
        <translation>Motion of the Sun</translation>
    </message>
    <message>
        <source>Отключено</source>
        <extracomment>The Sun&apos;s motion switched off: the Sun is held in place (glossary: held).</extracomment>
        <translation>Off</translation>
    </message>
    <message>
        <source>    Программа распространяется свободно, для некоммерческих целей          </source>
        <translation>    The program is distributed free of charge, for non-commercial use  </translation>
    </message>
    <message>
        <source>Разработчики Orvane2.0. Замечания и ошибки сообщайте через систему задач проекта.</source>
        <translation>The Orvane2.0 developers. Please report comments and bugs through the project’s issue tracker.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>параметру «--lang» нужно значение, одно из: %1</source>
        <translation>option “--lang” needs a value, one of: %1</translation>
    </message>
    <message>
        <source>язык «%1» не поддерживается; укажите один из: %2</source>
        <translation>language “%1” is not supported; give one of: %2</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>пустое имя файла параметров</source>
        <translation>empty parameter file name</translation>
    </message>
    <message>
        <source>можно открыть только один файл параметров, а указаны «%1» и «%2»</source>
        <translation>only one parameter file can be opened, but “%1” and “%2” were given</translation>
    </message>
    <message>
        <source>Использование: orvane [ПАРАМЕТРЫ] [ФАЙЛ]
Движение объектов по законам Ньютона в одной плоскости: Солнце, девять планет и астероид.

  ФАЙЛ            файл параметров, который открывается при запуске
  --lang ЯЗЫК     язык программы на этот запуск, один из: %1;
                  без него — язык, выбранный в программе, а если его
                  не выбирали — первый из языков рабочего стола, который
                  есть в программе, иначе русский
  -h, --help      показать эту справку и выйти
  --version       показать версию и выйти

Стандартные параметры Qt (-platform, -display, -style и другие) тоже принимаются.
Подробнее: man orvane
</source>
        <extracomment>%1 lists the language codes, &quot;ru, en&quot;. Keep each line within 80 characters.</extracomment>
        <translation>Usage: orvane [OPTIONS] [FILE]
Motion of bodies under Newton’s laws in one plane: the Sun, nine planets and an asteroid.

  FILE            a parameter file to open at start
  --lang LANGUAGE the program’s language for this run, one of: %1;
                  without it, the language chosen in the program; if none was
                  chosen, the first of the desktop’s languages the program
                  has; otherwise Russian
  -h, --help      show this help and exit
  --version       show the version and exit

Qt’s standard options (-platform, -display, -style and others) are accepted too.
More: man orvane
</translation>
    </message>
    <message>
        <source>orvane (Orvane2.0) %1
Программа распространяется свободно, для некоммерческих целей.
</source>
        <translation>orvane (Orvane2.0) %1
The program is distributed free of charge, for non-commercial use.
</translation>
    </message>
    <message>
        <source>Справка: orvane --help</source>
        <translation>Help: orvane --help</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Индекс вне границ массива %1: %2</source>
        <translation>Index outside the bounds of array %1: %2</translation>
    </message>
    <message>
        <source>Переполнение целого числа: %1 не помещается в 16 бит</source>
        <translation>Integer overflow: %1 does not fit in 16 bits</translation>
    </message>
    <message>
        <source>Деление на ноль</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Переполнение при вычислениях с плавающей точкой</source>
        <translation>Floating-point overflow</translation>
    </message>
    <message>
        <source>Недопустимая операция с плавающей точкой</source>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>Планета находится в точке, где стоит Солнце: направление притяжения не определено</source>
        <translation>The planet stands where the Sun is: the direction of the gravitational pull is undefined</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Положение на дату известно только для планет, а не для тела «%1». Выберите планету.</source>
        <extracomment>%1 is the body&apos;s name.</extracomment>
        <translation>Positions on a date are known only for planets, not for the body “%1”. Choose a planet.</translation>
    </message>
    <message>
        <source>Даты «%1» нет в календаре. Введите дату с %2 по %3.</source>
        <extracomment>%1 is the date as typed; %2 and %3 the first and the last date the planets are known for.</extracomment>
        <translation>The calendar has no date “%1”. Enter a date from %2 to %3.</translation>
    </message>
    <message>
        <source>Положения планет известны только для дат с %2 по %3, а не на «%1». Введите дату в этих пределах.</source>
        <translation>The planets’ positions are known only for dates from %2 to %3, not for “%1”. Enter a date within these limits.</translation>
    </message>
    <message>
        <source>Положения планет на дату рассчитываются для Солнца с массой больше нуля. Введите массу Солнца, выберите «Солнце» и нажмите «Изменить».</source>
        <translation>The planets’ positions on a date are worked out for a Sun with a mass above zero. Enter the Sun’s mass, choose “Sun” and press “Change”.</translation>
    </message>
    <message>
        <source>В файле параметров строка %1, число %2: «%3» — не число. Исправьте эту строку или выберите другой файл.</source>
        <translation>Parameter file, line %1, number %2: “%3” is not a number. Correct this line or choose another file.</translation>
    </message>
    <message>
        <source>В файле параметров строка %1, число %2: число «%3» слишком велико. Исправьте эту строку или выберите другой файл.</source>
        <translation>Parameter file, line %1, number %2: the number “%3” is too large. Correct this line or choose another file.</translation>
    </message>
    <message>
        <source>Файл параметров не найден: %1. Проверьте имя файла и папку или сначала сохраните в него параметры.</source>
        <translation>Parameter file not found: %1. Check the file’s name and folder, or save the parameters to it first.</translation>
    </message>
    <message>
        <source>Файл параметров не является обычным файлом: %1. Выберите файл параметров (*.dat).</source>
        <translation>The parameter file is not a regular file: %1. Choose a parameter file (*.dat).</translation>
    </message>
    <message>
        <source>Не удалось открыть файл параметров %1: %2. Проверьте права на чтение файла или выберите другой.</source>
        <translation>Could not open the parameter file %1: %2. Check the permission to read the file, or choose another.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл параметров %1. Проверьте, что файл на месте и доступен, или выберите другой.</source>
        <translation>Could not read the parameter file %1. Check that the file is in place and accessible, or choose another.</translation>
    </message>
    <message>
        <source>Координаты тела «%1» слишком велики для файла параметров: файл не сохранён. Уменьшите их в таблице или загрузите другие данные.</source>
        <extracomment>%1 is the body&apos;s name.</extracomment>
        <translation>The coordinates of “%1” are too large for the parameter file: the file was not saved. Make them smaller in the table or load other data.</translation>
    </message>
    <message>
        <source>Масса Солнца должна быть больше нуля. Введите положительное число.</source>
        <translation>The Sun’s mass must be above zero. Enter a positive number.</translation>
    </message>
    <message>
        <source>Масса астероида не может быть отрицательной. Введите ноль (он убирает влияние астероида) или положительное число.</source>
        <translation>The asteroid’s mass cannot be negative. Enter zero (it removes the asteroid’s pull) or a positive number.</translation>
    </message>
    <message>
        <source>Дата не введена. Введите день, месяц и год через точку (Д.М.ГГГГ), с %1 по %2.</source>
        <extracomment>Д.М.ГГГГ is the pattern of a date: day, month, year.</extracomment>
        <translation>No date entered. Enter the day, month and year separated by dots (D.M.YYYY), from %1 to %2.</translation>
    </message>
    <message>
        <source>«%1» — не дата. Введите день, месяц и год через точку (Д.М.ГГГГ), с %2 по %3.</source>
        <translation>“%1” is not a date. Enter the day, month and year separated by dots (D.M.YYYY), from %2 to %3.</translation>
    </message>
    <message>
        <source>Файл опыта %1, строка %2: неизвестный ключ. Исправьте строку: ключи — title, description, parameters, masses, accuracy и sun.</source>
        <extracomment>The keys are the file format&apos;s own words and stay untranslated.</extracomment>
        <translation>Lesson experiment file %1, line %2: unknown key. Correct the line: the keys are title, description, parameters, masses, accuracy and sun.</translation>
    </message>
    <message>
        <source>Файл опыта %1, строка %2: нет знака «=». Запишите строку как «ключ = значение» или начните её с «#».</source>
        <translation>Lesson experiment file %1, line %2: no “=” sign. Write the line as “key = value” or start it with “#”.</translation>
    </message>
    <message>
        <source>Файл опыта %1, строка %2: нужны одиннадцать масс не меньше нуля, масса Солнца больше нуля. Исправьте строку masses.</source>
        <translation>Lesson experiment file %1, line %2: eleven masses of zero or more are needed, the Sun’s above zero. Correct the masses line.</translation>
    </message>
    <message>
        <source>Файл опыта %1, строка %2: неизвестная точность. Напишите accuracy = low, medium или high.</source>
        <translation>Lesson experiment file %1, line %2: unknown accuracy. Write accuracy = low, medium or high.</translation>
    </message>
    <message>
        <source>Файл опыта %1, строка %2: неизвестный режим Солнца. Напишите sun = held или sun = free.</source>
        <translation>Lesson experiment file %1, line %2: unknown mode of the Sun. Write sun = held or sun = free.</translation>
    </message>
    <message>
        <source>Файл опыта %1: нет названия. Добавьте строку title = …</source>
        <translation>Lesson experiment file %1: no title. Add a line title = …</translation>
    </message>
    <message>
        <source>Файл опыта %1: не назван файл параметров. Добавьте строку parameters = имя.dat</source>
        <translation>Lesson experiment file %1: no parameter file named. Add a line parameters = name.dat</translation>
    </message>
    <message>
        <source>Файл опыта %1, строка %2: продолжение строки без ключа. Уберите пробел в начале строки или добавьте строку с ключом перед ней.</source>
        <translation>Lesson experiment file %1, line %2: a continued line without a key. Remove the blank at the start of the line or add a line with a key before it.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл опыта %1. Проверьте, что файл на месте и доступен.</source>
        <translation>Could not read the lesson experiment file %1. Check that the file is in place and accessible.</translation>
    </message>
    <message numerus="yes">
        <source>В файле параметров %n чисел, а нужно %1: по пять для каждого из 11 тел. Выберите другой файл или сохраните параметры заново.</source>
        <extracomment>%n is how many numbers the file holds, %1 how many it needs (five for each of the 11 bodies).</extracomment>
        <translation>
            <numerusform>The parameter file holds %n number where %1 are needed: five for each of the 11 bodies. Choose another file or save the parameters again.</numerusform>
            <numerusform>The parameter file holds %n numbers where %1 are needed: five for each of the 11 bodies. Choose another file or save the parameters again.</numerusform>
        </translation>
    </message>
    <message>
        <source>Файл опыта %1, строка %2: неизвестный метод решения. Напишите method = euler, symplectic-euler, leapfrog или rk4.</source>
        <translation>Lesson experiment file %1, line %2: unknown solution method. Write method = euler, symplectic-euler, leapfrog or rk4.</translation>
    </message>
    <message>
        <source>Не удалось сохранить изображение %1 (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 the operating system&apos;s reason.</extracomment>
        <translation>Could not save the picture %1 (%2).</translation>
    </message>
    <message>
        <source>Не удалось сохранить измерения в файл %1 (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 the operating system&apos;s reason.</extracomment>
        <translation>Could not save the measurements to the file %1 (%2).</translation>
    </message>
    <message>
        <source>Не удалось сохранить опыт для урока в файл %1 (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 the operating system&apos;s reason.</extracomment>
        <translation>Could not save the lesson experiment to the file %1 (%2).</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл параметров %1 (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 the operating system&apos;s reason.</extracomment>
        <translation>Could not save the parameter file %1 (%2).</translation>
    </message>
    <message>
        <source>Масса</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>Координата X</source>
        <translation>X coordinate</translation>
    </message>
    <message>
        <source>Координата Y</source>
        <translation>Y coordinate</translation>
    </message>
    <message>
        <source>Скорость по оси X</source>
        <translation>Velocity along the X axis</translation>
    </message>
    <message>
        <source>Скорость по оси Y</source>
        <translation>Velocity along the Y axis</translation>
    </message>
    <message>
        <source>Прежний файл не изменён. Сохраните в другой файл.</source>
        <extracomment>Follows the sentence that names the file which could not be saved.</extracomment>
        <translation>The previous file is unchanged. Save to another file.</translation>
    </message>
    <message>
        <source>Файл защищён от записи; прежний файл не изменён. Снимите защиту от записи или сохраните в другой файл.</source>
        <extracomment>Follows the sentence that names the file which could not be saved.</extracomment>
        <translation>The file is write-protected; the previous file is unchanged. Remove the write protection or save to another file.</translation>
    </message>
    <message>
        <source>В этой папке нельзя создать файл. Проверьте, что папка существует и в неё разрешена запись, или выберите другую папку.</source>
        <extracomment>Follows the sentence that names the file which could not be saved.</extracomment>
        <translation>No file can be created in this folder. Check that the folder exists and may be written to, or choose another folder.</translation>
    </message>
    <message>
        <source>Ошибка записи на диск; прежний файл не изменён. Проверьте, есть ли место на диске, и сохраните ещё раз.</source>
        <extracomment>Follows the sentence that names the file which could not be saved.</extracomment>
        <translation>Writing to the disk failed; the previous file is unchanged. Check that the disk has free space, and save again.</translation>
    </message>
    <message>
        <source>%1 тела «%2»: «%3» — не число. Введите число, например 1500 или %4.</source>
        <extracomment>%1 is the quantity (“Mass”, “Coordinate X”…), %2 the body&apos;s name, %3 the cell as typed, %4 a negative number written as the table writes numbers.</extracomment>
        <translation>%1 of the body “%2”: “%3” is not a number. Enter a number, for example 1500 or %4.</translation>
    </message>
    <message>
        <source>Выберете планету для изменения параметров</source>
        <translation>Choose a planet to change its parameters</translation>
    </message>
    <message>
        <source>«%1» — папка, а не файл: файл параметров не сохранён. Сохраните параметры в файл, введя его имя.</source>
        <translation>“%1” is a folder, not a file: the parameter file was not saved. Save the parameters to a file, entering its name.</translation>
    </message>
    <message>
        <source>Файла «%1» больше нет; он убран из списка недавних файлов. Выберите другой файл командой «Открыть файл параметров…».</source>
        <extracomment>«Открыть файл параметров…» is the command of the set-up window&apos;s right-click menu.</extracomment>
        <translation>The file “%1” no longer exists; it has been removed from the recent files. Choose another file with “Open Parameter File…”.</translation>
    </message>
    <message>
        <source>Не удалось создать папку для опытов %1 (%2): опыт не сохранён. Проверьте права на запись и место на диске и сохраните ещё раз.</source>
        <translation>Could not create the folder for lesson experiments %1 (%2): the experiment was not saved. Check the permission to write and the free space on the disk, and save again.</translation>
    </message>
    <message>
        <source>Не удалось удалить файл опыта %1 (%2). Проверьте права на запись в его папку или удалите файл вручную.</source>
        <translation>Could not delete the lesson experiment file %1 (%2). Check the permission to write to its folder, or delete the file yourself.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Ошибка выполнения: %1</source>
        <translation>Run-time error: %1</translation>
    </message>
    <message>
        <source>Движение остановлено. Что можно сделать: выбрать в окне подготовки более высокую «Точность решения» (меньший шаг) или задать другие данные.</source>
        <translation>The motion has been stopped. What you can do: choose a higher “Solution Accuracy” (a smaller step) in the set-up window, or enter other data.</translation>
    </message>
</context>
<context>
    <name>GuideText</name>
    <message>
        <source>Опыты для урока</source>
        <translation>Lesson Experiments</translation>
    </message>
    <message>
        <source>«Опыты для урока…» (Ctrl+L, или правый щелчок по любому экрану окна подготовки) — список готовых опытов: что показать, за чем следить, что измерить. «Загрузить» задаёт все тела, их массы, точность и, где опыт так велит, режим Солнца, и выводит тела на экраны.</source>
        <translation>“Lesson Experiments…” (Ctrl+L, or right-click either screen of the set-up window) lists ready experiments: what to show, what to watch, what to measure. “Load” sets every body, their masses, the accuracy and, where the experiment says so, the Sun’s mode, and shows the bodies on the screens.</translation>
    </message>
    <message>
        <source>Файлы параметров</source>
        <translation>Parameter Files</translation>
    </message>
    <message>
        <source>Кнопки «файл №1» сохраняют и загружают файл orvane1.dat. Правый щелчок по ним: «Открыть файл параметров…» (Ctrl+O), «Сохранить файл параметров как…» (Ctrl+Shift+S) и «Недавние файлы». Файл — одиннадцать строк по пять чисел; файл, названный в командной строке (orvane ФАЙЛ), открывается при запуске.</source>
        <translation>The “file No.&#xa0;1” buttons save and load the file orvane1.dat. Right-click them for “Open Parameter File…” (Ctrl+O), “Save Parameter File As…” (Ctrl+Shift+S) and “Recent Files”. A file is eleven lines of five numbers; a file named on the command line (orvane FILE) opens at start.</translation>
    </message>
    <message>
        <source>«Загрузить данные на другую дату…» (Ctrl+D, правый щелчок по кнопке данных на 1.1.2000 или по экрану окна подготовки) ставит планеты туда, где они были или будут в любой день с 1.1.1800 по 31.12.2050.</source>
        <translation>“Load Data for Another Date…” (Ctrl+D, or right-click the 1.1.2000 data button or a set-up screen) puts the planets where they were or will be on any day from 1.1.1800 to 31.12.2050.</translation>
    </message>
    <message>
        <source>Измерения и таблица CSV</source>
        <translation>Measurements and the CSV Table</translation>
    </message>
    <message>
        <source>Параметры экранов</source>
        <translation>Screen Options</translation>
    </message>
    <message>
        <source>Правый щелчок по любому экрану окна эксперимента: после «Измерения…» идут параметры, каждый выключен, пока его не включат, и программа их запоминает. «Подписи тел» — имя каждого тела рядом с ним (первыми Солнце и астероид). «Сохранять следы при перемещении экрана» — после сдвига или изменения масштаба следы рисуются заново. «Управление с клавиатуры» — клавиши из таблицы ниже.</source>
        <translation>Right-click either screen of the experiment window: after “Measurements…” come the options, each off until it is checked, and the program remembers them. “Body Names” — each body’s name beside it (the Sun and the asteroid first). “Keep Trails When Screen Moves” — after a pan or a zoom the trails are drawn again. “Keyboard Control” — the keys in the table below.</translation>
    </message>
    <message>
        <source>«Крупные точки (для проектора)» — точки 3 × 3 пикселя, оси и рамка в два пикселя, крупные жирные подписи и у каждого тела свой цвет, хорошо видный на белом экране (Солнце оранжевое).</source>
        <translation>“Large Points (for Projector)” — points of 3 × 3 pixels, axes and frame two pixels wide, large bold names and every body in a colour of its own that shows well on the white screen (the Sun orange).</translation>
    </message>
    <message>
        <source>Колесо мыши над левым экраном уменьшает или увеличивает размер экрана в 1,25 раза за щелчок колеса, с Shift — в 1,05 раза, так же как ползунок размера.</source>
        <translation>The mouse wheel over the left screen makes the screen size 1.25 times smaller or larger per notch, 1.05 times with Shift, just as the size slider does.</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>справка, из любого окна</source>
        <translation>help, from any window</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>окно подготовки: данные на другую дату</source>
        <translation>set-up window: the data for another date</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>окно подготовки: открыть файл параметров</source>
        <translation>set-up window: open a parameter file</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>окно подготовки: сохранить файл параметров как</source>
        <translation>set-up window: save the parameter file as</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>окно подготовки: опыты для урока</source>
        <translation>set-up window: lesson experiments</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>окно эксперимента: измерения</source>
        <translation>experiment window: measurements</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>окно измерений: сохранить таблицу CSV</source>
        <translation>measurements window: save the CSV table</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>«Старт», затем «Пауза» или «Продолжить» (при управлении с клавиатуры)</source>
        <translation>“Start”, then “Pause” or “Continue” (with keyboard control)</translation>
    </message>
    <message>
        <source>← → ↑ ↓</source>
        <translation>← → ↑ ↓</translation>
    </message>
    <message>
        <source>«Влево», «Вправо», «Вверх», «Вниз» (при управлении с клавиатуры)</source>
        <translation>“Left”, “Right”, “Up”, “Down” (with keyboard control)</translation>
    </message>
    <message>
        <source>+ и −</source>
        <translation>+ and −</translation>
    </message>
    <message>
        <source>размер экрана в 1,25 раза меньше или больше (при управлении с клавиатуры)</source>
        <translation>the screen size 1.25 times smaller or larger (with keyboard control)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>исходный вид, 9000 млн км (при управлении с клавиатуры)</source>
        <translation>the initial view, 9000 million km (with keyboard control)</translation>
    </message>
    <message>
        <source>PageDown / PageUp</source>
        <translation>PageDown / PageUp</translation>
    </message>
    <message>
        <source>«Продолжить» / «Пауза», как пульт презентаций (при управлении с клавиатуры)</source>
        <translation>“Continue” / “Pause”, as a presenter remote sends (with keyboard control)</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>нажимает кнопку, на которой фокус</source>
        <translation>presses the button that has the focus</translation>
    </message>
    <message>
        <source>ВСЯ ПРОГРАММА</source>
        <translation>THE WHOLE PROGRAM</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>«Сохранить как опыт для урока…» (Ctrl+Shift+L, правый щелчок по экрану окна подготовки или по кнопкам «файл №1») сохраняет всё, что задано сейчас, — массы, точность, режим Солнца и значения всех тел полностью — как собственный опыт учителя с названием и описанием; такие опыты стоят в том же списке после готовых с пометкой «(свой опыт)», их можно переименовать и удалить.</source>
        <translation>“Save as Lesson Experiment…” (Ctrl+Shift+L, or a right click on a screen of the set-up window or on the “file No. 1” buttons) saves everything set now — the masses, the accuracy, the Sun’s mode and every body’s values in full — as the teacher’s own experiment with a title and a description; such experiments follow the built-in ones in the same list, marked “(your own)”, and can be renamed and deleted.</translation>
    </message>
    <message>
        <source>«Очистить экраны» (Delete при управлении с клавиатуры) стирает оба экрана и сохранённые следы; эксперимент идёт дальше.</source>
        <translation>“Clear Screens” (Delete with keyboard control on) wipes both screens and the kept trails; the experiment goes on.</translation>
    </message>
    <message>
        <source>Законы на экранах</source>
        <translation>The Laws on the Screens</translation>
    </message>
    <message>
        <source>В том же меню, ниже: «Стрелки скорости» и «Стрелки силы» — стрелка от каждого тела по его скорости относительно Солнца (у свободного Солнца — относительно центра масс) или по его ускорению; масштаб показан в углу. «Орбита выбранного тела» — эллипс тела из подменю «Тело» с фокусами, осями, перигелием и афелием.</source>
        <translation>Further down the same menu: “Velocity Arrows” and “Force Arrows” — an arrow from each body along its velocity relative to the Sun (with the Sun free, relative to the centre of mass) or along its acceleration; the scale is shown in the corner. “Orbit of Chosen Body” — the ellipse of the body chosen in the “Body” submenu, with its foci, axes, perihelion and aphelion.</translation>
    </message>
    <message>
        <source>«Равные площади (второй закон Кеплера)» — секторы, которые тело заметает за равное время (длина — в подменю «Длина сектора»); их площади — в окне измерений. «Рулетка» — протяните мышью по экрану, чтобы измерить расстояние и угол; начатая на теле, она следует за ним; щелчок или Escape убирает её. «Сетка» — линии через круглое число а. е. Shift+F10 открывает это меню с клавиатуры.</source>
        <translation>“Equal Areas (Kepler’s Second Law)” — the sectors the body sweeps in equal times (their length in the “Sector Length” submenu); their areas are in the measurements window. “Measuring Tape” — drag across a screen to measure a distance and an angle; started on a body, it follows the body; a click or Escape removes it. “Grid” — lines every round number of AU. Shift+F10 opens this menu from the keyboard.</translation>
    </message>
    <message>
        <source>Метод решения</source>
        <translation>Solution Method</translation>
    </message>
    <message>
        <source>Правый щелчок по экрану окна подготовки — «Метод решения»: явный метод Эйлера, симплектический метод Эйлера, метод Верле (leapfrog) или метод Рунге — Кутты 4-го порядка, который стоит при каждом запуске программы. Окно эксперимента и окно измерений называют выбранный метод; опыт «Какой метод точнее?» сравнивает их.</source>
        <translation>A right click on a screen of the set-up window — “Solution Method”: the explicit Euler method, the symplectic Euler method, the velocity Verlet (leapfrog) method or the fourth-order Runge–Kutta method, which every start of the program begins with. The experiment window and the measurements window name the method chosen; the lesson experiment “Which method is more accurate?” compares them.</translation>
    </message>
    <message>
        <source>Правый щелчок по экрану окна подготовки — «Язык / Language»: русский или английский. Выбор действует сразу во всех окнах и запоминается; из командной строки — orvane --lang ru или orvane --lang en. Пока язык не выбран, программа говорит на языке рабочего стола, если знает его, иначе по-русски.</source>
        <translation>A right click on a screen of the set-up window — “Language” (its name is written in both languages): Russian or English. The choice takes effect at once in every window and is remembered; from the command line — orvane --lang ru or orvane --lang en. Until a language is chosen, the program speaks the desktop’s language if it has it, otherwise Russian.</translation>
    </message>
    <message>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>окно подготовки: сохранить как опыт для урока</source>
        <translation>set-up window: save as lesson experiment</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>«Очистить экраны» (при управлении с клавиатуры)</source>
        <translation>“Clear Screens” (with keyboard control on)</translation>
    </message>
    <message>
        <source>Shift+F10</source>
        <translation>Shift+F10</translation>
    </message>
    <message>
        <source>меню экрана окна эксперимента</source>
        <translation>the experiment window’s screen menu</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>убирает рулетку</source>
        <translation>removes the measuring tape</translation>
    </message>
    <message>
        <source>«Измерения…» (Ctrl+M, или правый щелчок по экрану окна эксперимента) открывает окно измерений: для каждого тела расстояние от Солнца, скорость, большая полуось, эксцентриситет и период по Кеплеру; энергия и момент импульса и насколько они сохраняются; полярный угол каждого тела; графики; для эксперимента с 1.1.2000 — сравнение с реальным небом. Под сохраняющимися величинами — площади секторов второго закона Кеплера и график T² от a³ (третий закон).</source>
        <translation>“Measurements…” (Ctrl+M, or a right click on a screen of the experiment window) opens the measurements window: for each body its distance from the Sun, speed, semi-major axis, eccentricity and Kepler period; the energy and the angular momentum and how well they are conserved; each body’s polar angle; plots; for an experiment from 1.1.2000, a comparison with the real sky. Below the conserved quantities: the areas of the sectors of Kepler’s second law and a plot of T² against a³ (the third law).</translation>
    </message>
    <message>
        <source>«Сохранить в CSV…» (Ctrl+S) записывает всю историю эксперимента в файл CSV для электронной таблицы (LibreOffice Calc, Excel): одна строка на момент времени, заголовки словами окна. Числа пишутся с десятичным разделителем вашего рабочего стола; числа с запятой взяты в кавычки, поэтому таблица читает их как числа при своих обычных настройках импорта.</source>
        <translation>“Save as CSV…” (Ctrl+S) writes the whole history of the experiment to a CSV file for a spreadsheet (LibreOffice Calc, Excel): one row per moment, the headers in the window’s words. Numbers are written with your desktop’s decimal separator; numbers with a decimal comma are quoted, so the spreadsheet reads them as numbers with its usual import settings.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>    При загрузке программы вы видите параметры объектов, которые загружаются по умолчанию. Их можно вывести на графические экраны, нажав кнопку “вывести на экраны”,а выбрав конкретный объект, можно установить для него произвольные параметры. Для планет надо нажать кнопку ”изменить”,а когда планета займет требуемое положение кнопку “стоп”. Для Солнца и астероида необходимо ввести их параметры вручную, а затем включить переключатель у Солнца и нажать кнопку “изменить”. Чтобы исключить влияние астероида на другие объекты, надо задать его массу равную нулю (или заслать его очень далеко).</source>
        <translation>    When the program starts, you see the parameters of the bodies loaded by default. “Show on Screens” draws them on the two screens; choose a body, and you can give it any parameters you like. For a planet, press “Change”, and press “Stop” when the planet stands where you want it. For the Sun and the asteroid, type their parameters into the table, then select the Sun’s option button and press “Change”. To remove the asteroid’s influence on the other bodies, give it a mass of zero (or send it very far away).</translation>
    </message>
    <message>
        <source>   Все параметры (кроме масс объектов) можно в любой момент сохранить в файле, а позднее наоборот загрузить эти параметры из файла. Кроме того можно загрузить параметры объектов по состоянию на 1.1.2000 г., нажав соответствующую кнопку. Чтобы точнее устоновить параметры планет можно изменить точность решения и замедление на шаге решения, изменив опции установленные по умолчанию.</source>
        <translation>   All parameters (except the masses) can be saved to a file at any time and loaded from it later. You can also load the bodies’ parameters as they were on 1 January 2000 with its button. To set the planets more precisely, change the default “Solution Accuracy” and the slow-down per step.</translation>
    </message>
    <message>
        <source>    После того как все параметры заданы можно начинать эксперимент, для чего необходимо нажать соответствующую кнопку и загрузить вторую форму, которя также имеет два графических экрана и элементы управления ходом эксперимента.</source>
        <translation>    Once all parameters are set, you can begin the experiment: press “Start Experiment” to open the second window, which also has two screens and the controls of the experiment.</translation>
    </message>
    <message>
        <source>    Масштаб изображения на левом экране можно изменить ползунком, а просматриваемую область пространства выбрать перемещая его влево, вправо, вниз и вверх. При этом на правом экране, который показывает объекты в постоянном масштабетак, чтобы был виден самый отдаленный объект, вы будете видеть квадрат ограничивающий эту область. </source>
        <translation>    A slider changes the scale of the left screen, and the arrow buttons move the region of space it shows left, right, down and up. The right screen shows the bodies at a fixed scale, so that the farthest of them is visible, with a square outlining that region. </translation>
    </message>
    <message>
        <source>    Также как и на первой форме, чтобы увидеть процесс в замедленном темпе, вы можете ползунком изменить замедление на шаге решения, а чтобы приостановить прцесс вы можете нажать кнопку “пауза”,а затем опять продолжить эксперимент или вернуться к первой форме и сохранить данные в файле.</source>
        <translation>    As in the first window, a slider sets the slow-down per step to watch the motion slowly; “Pause” stops it, and you can then continue the experiment or return to the first window and save the data to a file.</translation>
    </message>
    <message>
        <source>    По умолчанию опция “движение Солнца”, отключена, но вы можете ее включить и увидеть, что не только Солнце притягивает планеты, но и они его тоже и для того, чтобы оно только слегка колебалось относительно начала координат надо на первой форме подобрать начальные параметры Солнца, которые к сожалению мне не известны. В нижней части формы вы видите сколько лет и дней прошло с начала эксперимент</source>
        <translation>    By default the “Motion of the Sun” option is off. Switch it on to see that the Sun attracts the planets and the planets attract the Sun too; to keep the Sun swaying only slightly about the origin, you would have to find suitable initial parameters for the Sun in the first window, which, alas, the author does not know. At the bottom of the window you see how many years and days have passed since the experiment began.</translation>
    </message>
</context>
<context>
    <name>LessonCatalogue</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a parameter file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>orvane::DateDialog</name>
    <message>
        <source>Положения планет на дату</source>
        <translation>Planet Positions on a Date</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Д.М.ГГГГ</source>
        <extracomment>The pattern of a date: day, month, year (D.M.YYYY).</extracomment>
        <translation>D.M.YYYY</translation>
    </message>
    <message>
        <source>День, месяц и год через точку, например 1.3.1900 или 01.03.1900</source>
        <translation>Day, month and year separated by dots, for example 1.3.1900 or 01.03.1900</translation>
    </message>
    <message>
        <source>Дата (с %1 по %2):</source>
        <extracomment>%1 and %2 are the first and the last date the planets&apos; positions are known for.</extracomment>
        <translation>Date (%1 to %2):</translation>
    </message>
</context>
<context>
    <name>orvane::ExperimentKeys</name>
    <message>
        <source>Клавиши: пробел — «Старт», затем «Пауза» или «Продолжить»;
стрелки — переместить экран; + и − — размер экрана в 1,25 раза меньше или больше
(колесо мыши над левым экраном — так же, с Shift — мельче);
Home — исходный вид; PageDown — «Продолжить», PageUp — «Пауза»;
Ctrl+M — измерения; F1 — справка.</source>
        <translation>Keys: Space — “Start”, then “Pause” or “Continue”;
arrows — move the screen; + and − — the screen size 1.25 times smaller or larger
(the mouse wheel over the left screen does the same, finer with Shift);
Home — the initial view; PageDown — “Continue”, PageUp — “Pause”;
Ctrl+M — measurements; F1 — help.</translation>
    </message>
    <message>
        <source>Delete — очистить экраны.</source>
        <translation>Delete — clear the screens.</translation>
    </message>
</context>
<context>
    <name>orvane::Form1</name>
    <message>
        <source>Загрузить данные на другую дату…</source>
        <translation>Load Data for Another Date…</translation>
    </message>
    <message>
        <source>Правый щелчок или Ctrl+D — загрузить данные на другую дату</source>
        <translation>Right-click or Ctrl+D: load the data for another date</translation>
    </message>
    <message>
        <source>Сохранить файл параметров как</source>
        <translation>Save Parameter File As</translation>
    </message>
    <message>
        <source>Открыть файл параметров</source>
        <translation>Open Parameter File</translation>
    </message>
    <message>
        <source>Параметры Orvane2.0 (*.dat)</source>
        <translation>Orvane2.0 parameters (*.dat)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Открыть файл параметров…</source>
        <translation>Open Parameter File…</translation>
    </message>
    <message>
        <source>Сохранить файл параметров как…</source>
        <translation>Save Parameter File As…</translation>
    </message>
    <message>
        <source>Опыты для урока…</source>
        <translation>Lesson Experiments…</translation>
    </message>
    <message>
        <source>Недавние файлы</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>Правый щелчок: открыть или сохранить файл параметров с любым именем (Ctrl+O, Ctrl+Shift+S), недавние файлы</source>
        <translation>Right-click: open or save a parameter file of any name (Ctrl+O, Ctrl+Shift+S), recent files</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <extracomment>The only, disabled entry of the recent files menu when there are none.</extracomment>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Сохранить как опыт для урока…</source>
        <translation>Save as Lesson Experiment…</translation>
    </message>
    <message>
        <source>Массы планет заданы опытом для урока, а файл параметров масс не хранит: после загрузки из него планеты получат массы, какие будут в таблице. Чтобы сохранить опыт вместе с массами, сохраните его как опыт для урока.</source>
        <translation>The planets’ masses were set by a lesson experiment, and a parameter file keeps no masses: loaded from it, the planets get whatever masses the table has then. To keep the experiment with its masses, save it as a lesson experiment.</translation>
    </message>
    <message>
        <source>Сохранить без масс</source>
        <translation>Save Without Masses</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Метод решения</source>
        <translation>Solution Method</translation>
    </message>
</context>
<context>
    <name>orvane::Form2</name>
    <message>
        <source>Измерения…</source>
        <translation>Measurements…</translation>
    </message>
    <message>
        <source>Замедление на шаге = %1 мс</source>
        <translation>Slow-down per step = %1 ms</translation>
    </message>
    <message>
        <source>Размеры экрана = %1 млн.км</source>
        <extracomment>The width of the left screen in millions of kilometres; keep it as short as the original.</extracomment>
        <translation>Screen size = %1 million km</translation>
    </message>
</context>
<context>
    <name>orvane::LessonGallery</name>
    <message>
        <source>средняя (шаг 1 сутки)</source>
        <translation>medium (a step of 1 day)</translation>
    </message>
    <message>
        <source>высокая (шаг 0,1 суток)</source>
        <translation>high (a step of 0.1 day)</translation>
    </message>
    <message>
        <source>низкая (шаг 2 суток)</source>
        <translation>low (a step of 2 days)</translation>
    </message>
    <message>
        <source>как в окне эксперимента</source>
        <extracomment>The Sun&apos;s mode of a lesson experiment that sets none: whatever the experiment window shows.</extracomment>
        <translation>as set in the experiment window</translation>
    </message>
    <message>
        <source>Опыты для урока</source>
        <translation>Lesson Experiments</translation>
    </message>
    <message>
        <source>&amp;Опыты:</source>
        <extracomment>The label of the list of lesson experiments; &amp; marks the mnemonic.</extracomment>
        <translation>&amp;Experiments:</translation>
    </message>
    <message>
        <source>Что показать, за чем следить, что измерить:</source>
        <translation>What to show, what to watch, what to measure:</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Точность решения: %1. Солнце: %2.</source>
        <extracomment>%1 is the accuracy with its step, %2 the Sun&apos;s mode: held (&quot;Off&quot;) or free (&quot;On&quot;).</extracomment>
        <translation>Solution accuracy: %1. Sun: %2.</translation>
    </message>
    <message>
        <source>закреплено («Отключено»)</source>
        <translation>held (“Off”)</translation>
    </message>
    <message>
        <source>свободно («Включено»)</source>
        <translation>free (“On”)</translation>
    </message>
    <message>
        <source>%1 (свой опыт)</source>
        <extracomment>%1 is the title of a lesson experiment the teacher saved.</extracomment>
        <translation>%1 (your own)</translation>
    </message>
    <message>
        <source>Переименовать…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Переименовать опыт</source>
        <translation>Rename Experiment</translation>
    </message>
    <message>
        <source>Новое название:</source>
        <translation>New title:</translation>
    </message>
    <message>
        <source>Удалить опыт «%1» вместе с его файлом параметров?</source>
        <translation>Delete the experiment “%1” with its parameter file?</translation>
    </message>
    <message>
        <source>%1 (не читается)</source>
        <extracomment>%1 is the name of an experiment&apos;s file that could not be read.</extracomment>
        <translation>%1 (unreadable)</translation>
    </message>
    <message>
        <source>Удалить файл опыта «%1», который не читается?</source>
        <translation>Delete the unreadable experiment file “%1”?</translation>
    </message>
</context>
<context>
    <name>orvane::SaveLessonDialog</name>
    <message>
        <source>Сохранить как опыт для урока</source>
        <translation>Save as Lesson Experiment</translation>
    </message>
    <message>
        <source>&amp;Название:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Описание — что показать, за чем следить:</source>
        <translation>&amp;Description — what to show, what to watch:</translation>
    </message>
    <message>
        <source>Название по-английски (можно не заполнять):</source>
        <translation>Title in English (may be left empty):</translation>
    </message>
    <message>
        <source>Описание по-английски:</source>
        <translation>Description in English:</translation>
    </message>
    <message>
        <source>Сохраняются массы всех тел, положения и скорости без округления, точность решения и режим Солнца. Опыт появится в «Опытах для урока» после встроенных.</source>
        <translation>Saved are the masses of all bodies, the positions and velocities without rounding, the solution accuracy and the Sun’s mode. The experiment appears in “Lesson Experiments” after the built-in ones.</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Опыт «%1» уже есть. Заменить его?</source>
        <translation>The experiment “%1” already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>orvane::ScreenLawsController</name>
    <message>
        <source>%1 км/с (относительно центра масс)</source>
        <extracomment>The velocity arrows&apos; scale in the screen&apos;s corner: %1 is the speed an arrow of the scale&apos;s length stands for.</extracomment>
        <translation>%1 km/s (relative to the centre of mass)</translation>
    </message>
    <message>
        <source>%1 км/с</source>
        <translation>%1 km/s</translation>
    </message>
    <message>
        <source>%1 м/с²</source>
        <extracomment>The force arrows&apos; scale: %1 is the acceleration an arrow of the scale&apos;s length stands for.</extracomment>
        <translation>%1 m/s²</translation>
    </message>
    <message>
        <source>%1 млн км</source>
        <translation>%1 million km</translation>
    </message>
    <message>
        <source>Стрелки скорости</source>
        <translation>Velocity Arrows</translation>
    </message>
    <message>
        <source>Скорость каждого тела относительно Солнца; когда Солнце движется — относительно центра масс</source>
        <translation>Each body’s velocity relative to the Sun; while the Sun moves, relative to the centre of mass</translation>
    </message>
    <message>
        <source>Стрелки силы</source>
        <translation>Force Arrows</translation>
    </message>
    <message>
        <source>Ускорение каждого тела: сила притяжения всех остальных тел на килограмм</source>
        <translation>Each body’s acceleration: the pull of all the other bodies per kilogram</translation>
    </message>
    <message>
        <source>Орбита выбранного тела</source>
        <translation>Orbit of Chosen Body</translation>
    </message>
    <message>
        <source>Равные площади (второй закон Кеплера)</source>
        <translation>Equal Areas (Kepler’s Second Law)</translation>
    </message>
    <message>
        <source>Тело</source>
        <extracomment>The submenu choosing the body whose orbit and sectors are drawn.</extracomment>
        <translation>Body</translation>
    </message>
    <message>
        <source>Длина сектора</source>
        <translation>Sector Length</translation>
    </message>
    <message>
        <source>1/12 периода (целое число шагов)</source>
        <extracomment>A sector&apos;s length: a twelfth of the body&apos;s period, rounded to whole steps.</extracomment>
        <translation>1/12 of Period (Whole Steps)</translation>
    </message>
    <message>
        <source>%1 сут</source>
        <extracomment>A sector&apos;s length in days.</extracomment>
        <translation>%1 Days</translation>
    </message>
    <message>
        <source>Меню экрана</source>
        <extracomment>The command that opens a screen&apos;s context menu from the keyboard (Shift+F10).</extracomment>
        <translation>Screen Menu</translation>
    </message>
    <message>
        <source>Рулетка</source>
        <extracomment>A tool: drag across a screen to measure a distance and a direction.</extracomment>
        <translation>Measuring Tape</translation>
    </message>
    <message>
        <source>Протяните мышью по экрану; Escape или щелчок убирает рулетку</source>
        <translation>Drag with the mouse across a screen; Escape or a click removes the tape</translation>
    </message>
    <message>
        <source>Сетка</source>
        <extracomment>Lines across the screens every round number of AU.</extracomment>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Убрать рулетку</source>
        <translation>Remove Tape</translation>
    </message>
    <message>
        <source>%1 а. е.</source>
        <translation>%1 AU</translation>
    </message>
    <message>
        <source>%1 млн км = %2 а. е., %3°</source>
        <extracomment>The measuring tape&apos;s reading: its length in million km and in AU, and its direction in degrees.</extracomment>
        <translation>%1 million km = %2 AU, %3°</translation>
    </message>
</context>
<context>
    <name>orvane::ScreenOptionsController</name>
    <message>
        <source>Подписи тел</source>
        <translation>Body Names</translation>
    </message>
    <message>
        <source>Сохранять следы при перемещении экрана</source>
        <translation>Keep Trails When Screen Moves</translation>
    </message>
    <message>
        <source>Управление с клавиатуры</source>
        <translation>Keyboard Control</translation>
    </message>
    <message>
        <source>Крупные точки (для проектора)</source>
        <translation>Large Points (for Projector)</translation>
    </message>
    <message>
        <source>Правая кнопка мыши — меню: сохранить изображение, измерения, подписи тел, следы, клавиатура, крупные точки</source>
        <translation>Right mouse button: a menu to save the picture, open the measurements, name the bodies, keep the trails, use the keyboard, draw large points</translation>
    </message>
    <message>
        <source>Клавиши действуют, когда в меню включено «Управление с клавиатуры» (F1 — всегда).</source>
        <translation>The keys work when “Keyboard Control” is on in the menu (F1 always works).</translation>
    </message>
    <message>
        <source>Очистить экраны</source>
        <translation>Clear Screens</translation>
    </message>
</context>
<context>
    <name>orvane::measure::Counts</name>
    <message numerus="yes">
        <source>%1 лет</source>
        <extracomment>A whole number of years; %1 is the number.</extracomment>
        <translation>
            <numerusform>%1 year</numerusform>
            <numerusform>%1 years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 дней</source>
        <extracomment>Days of a calendar; %1 is the number, to a tenth.</extracomment>
        <translation>
            <numerusform>%1 day</numerusform>
            <numerusform>%1 days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 суток</source>
        <extracomment>A duration in days of 24 hours («сутки»); %1 is the number, to a tenth.</extracomment>
        <translation>
            <numerusform>%1 day</numerusform>
            <numerusform>%1 days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvane::measure::CsvWords</name>
    <message>
        <source>Время, сут</source>
        <translation>Time, days</translation>
    </message>
    <message>
        <source>Энергия, Дж</source>
        <translation>Energy, J</translation>
    </message>
    <message>
        <source>Момент импульса, кг·м²/с</source>
        <translation>Angular momentum, kg·m²/s</translation>
    </message>
    <message>
        <source>|ΔE/E0|</source>
        <extracomment>A CSV column heading: the relative change of the total energy since the start.</extracomment>
        <translation>|ΔE/E0|</translation>
    </message>
    <message>
        <source>Солнце закреплено или свободно</source>
        <translation>Sun held or free</translation>
    </message>
    <message>
        <source>%1 x, млн км</source>
        <extracomment>A CSV column heading: %1 is the body&apos;s name.</extracomment>
        <translation>%1 x, million km</translation>
    </message>
    <message>
        <source>%1 y, млн км</source>
        <translation>%1 y, million km</translation>
    </message>
    <message>
        <source>%1 vx, м/с</source>
        <translation>%1 vx, m/s</translation>
    </message>
    <message>
        <source>%1 vy, м/с</source>
        <translation>%1 vy, m/s</translation>
    </message>
    <message>
        <source>%1 расстояние от Солнца, млн км</source>
        <translation>%1 distance from the Sun, million km</translation>
    </message>
    <message>
        <source>%1 скорость, км/с</source>
        <translation>%1 speed, km/s</translation>
    </message>
    <message>
        <source>%1 большая полуось, а. е.</source>
        <translation>%1 semi-major axis, AU</translation>
    </message>
    <message>
        <source>%1 эксцентриситет</source>
        <translation>%1 eccentricity</translation>
    </message>
    <message>
        <source>%1 период по Кеплеру, сут</source>
        <translation>%1 Kepler period, days</translation>
    </message>
    <message>
        <source>%1 долгота, °</source>
        <translation>%1 longitude, °</translation>
    </message>
    <message>
        <source>%1 реальная долгота, °</source>
        <translation>%1 real longitude, °</translation>
    </message>
    <message>
        <source>закреплено</source>
        <extracomment>A CSV cell: the Sun is held at its place (the option &quot;Sun motion&quot; is off).</extracomment>
        <translation>held</translation>
    </message>
    <message>
        <source>свободно</source>
        <extracomment>A CSV cell: the Sun moves freely (the option &quot;Sun motion&quot; is on).</extracomment>
        <translation>free</translation>
    </message>
    <message>
        <source>Метод решения</source>
        <translation>Solution method</translation>
    </message>
    <message>
        <source>%1 полярный угол, °</source>
        <translation>%1 polar angle, °</translation>
    </message>
</context>
<context>
    <name>orvane::measure::HistoryPlot</name>
    <message>
        <source>Относительное изменение энергии |ΔE/E₀|</source>
        <translation>Relative change of the energy |ΔE/E₀|</translation>
    </message>
    <message>
        <source>Расстояние от Солнца: %1, млн км</source>
        <translation>Distance from the Sun: %1, million km</translation>
    </message>
    <message>
        <source>время, годы</source>
        <translation>time, years</translation>
    </message>
    <message>
        <source>время, сутки</source>
        <translation>time, days</translation>
    </message>
    <message>
        <source>новый отсчёт</source>
        <extracomment>A mark on the plots: the conservation laws count anew from here (the Sun&apos;s mode changed).</extracomment>
        <translation>new baseline</translation>
    </message>
</context>
<context>
    <name>orvane::measure::KeplerPanel</name>
    <message>
        <source>a³, а. е.³</source>
        <translation>a³, AU³</translation>
    </message>
    <message>
        <source>T², годы²</source>
        <translation>T², years²</translation>
    </message>
    <message>
        <source>Равные площади (второй закон Кеплера): последние секторы, а. е.² (доля от среднего)</source>
        <translation>Equal areas (Kepler’s second law): the last sectors, AU² (share of the mean)</translation>
    </message>
    <message>
        <source>Третий закон Кеплера: T² от a³, линия T² = 4π²a³/μ</source>
        <translation>Kepler’s third law: T² against a³, the line T² = 4π²a³/μ</translation>
    </message>
    <message>
        <source>Линейные шкалы</source>
        <translation>Linear scales</translation>
    </message>
    <message>
        <source>— (включите «Равные площади» в меню экрана эксперимента)</source>
        <translation>— (turn on “Equal Areas (Kepler’s Second Law)” in the menu of the experiment window’s screens)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A sector&apos;s area in AU² and, in brackets, its share of the mean of the last sectors.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, шагов в секторе: %2</source>
        <extracomment>%1 is the list of the last sectors&apos; areas, %2 how many integration steps each sector spans.</extracomment>
        <translation>%1, steps per sector: %2</translation>
    </message>
</context>
<context>
    <name>orvane::measure::MeasurementsWindow</name>
    <message>
        <source>Тело</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Расстояние
от Солнца,
млн км</source>
        <translation>Distance
from the Sun,
million km</translation>
    </message>
    <message>
        <source>Расстояние
от Солнца,
а. е.</source>
        <translation>Distance
from the Sun,
AU</translation>
    </message>
    <message>
        <source>Скорость
относительно
Солнца, км/с</source>
        <translation>Speed
relative to
the Sun, km/s</translation>
    </message>
    <message>
        <source>Большая
полуось,
а. е.</source>
        <translation>Semi-major
axis,
AU</translation>
    </message>
    <message>
        <source>Эксцентри-
ситет</source>
        <translation>Eccen-
tricity</translation>
    </message>
    <message>
        <source>Разница
периодов,
%</source>
        <extracomment>Column: how far the measured period differs from the Kepler period, in per cent.</extracomment>
        <translation>Period
difference,
%</translation>
    </message>
    <message>
        <source>Долгота
реальной
планеты, °</source>
        <translation>Longitude
of the real
planet, °</translation>
    </message>
    <message>
        <source>Модель −
реальность,
°</source>
        <extracomment>Column: the planet&apos;s longitude in the model minus its real longitude, in degrees.</extracomment>
        <translation>Model −
reality,
°</translation>
    </message>
    <message>
        <source>Кинетическая энергия, Дж</source>
        <translation>Kinetic energy, J</translation>
    </message>
    <message>
        <source>Потенциальная энергия, Дж</source>
        <translation>Potential energy, J</translation>
    </message>
    <message>
        <source>Полная энергия E, Дж</source>
        <translation>Total energy E, J</translation>
    </message>
    <message>
        <source>Момент импульса L, кг·м²/с</source>
        <translation>Angular momentum L, kg·m²/s</translation>
    </message>
    <message>
        <source>Центр масс (x; y), млн км</source>
        <translation>Centre of mass (x; y), million km</translation>
    </message>
    <message>
        <source>Скорость центра масс (vx; vy), м/с</source>
        <translation>Velocity of the centre of mass (vx; vy), m/s</translation>
    </message>
    <message>
        <source>|ΔE/E₀| с начала отсчёта</source>
        <translation>|ΔE/E₀| since the baseline</translation>
    </message>
    <message>
        <source>|ΔL/L₀| с начала отсчёта</source>
        <translation>|ΔL/L₀| since the baseline</translation>
    </message>
    <message>
        <source>Измерения — Orvane2.0</source>
        <translation>Measurements — Orvane2.0</translation>
    </message>
    <message>
        <source>Сохранить в CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Законы сохранения</source>
        <translation>Conservation Laws</translation>
    </message>
    <message>
        <source>Расстояние от Солнца на графике:</source>
        <translation>Distance from the Sun in the plot:</translation>
    </message>
    <message>
        <source>Расстояния и орбиты считаются от Солнца</source>
        <translation>Distances and orbits are measured from the Sun</translation>
    </message>
    <message>
        <source>Орбита не замкнута (e ≥ 1): тело уходит от Солнца</source>
        <translation>The orbit is not closed (e ≥ 1): the body is leaving the Sun</translation>
    </message>
    <message>
        <source>Дата в модели: %1</source>
        <translation>Date in the model: %1</translation>
    </message>
    <message>
        <source>Дата в модели: —</source>
        <translation>Date in the model: —</translation>
    </message>
    <message>
        <source>Реальная долгота дана только для планет</source>
        <translation>The real longitude is given for the planets only</translation>
    </message>
    <message>
        <source>Сохранить в CSV</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Период
по Кеплеру,
сут</source>
        <translation>Kepler
period,
days</translation>
    </message>
    <message>
        <source>Измеренный
период,
сут</source>
        <translation>Measured
period,
days</translation>
    </message>
    <message>
        <source>Изменение скорости центра масс, м/с</source>
        <translation>Change of the centre of mass velocity, m/s</translation>
    </message>
    <message>
        <source>не сохраняется: Солнце закреплено</source>
        <translation>not conserved: the Sun is held</translation>
    </message>
    <message>
        <source>Время с начала эксперимента: %1 и %2 (%3); Солнце закреплено</source>
        <translation>Time since the experiment began: %1 and %2 (%3); the Sun is held</translation>
    </message>
    <message>
        <source>Время с начала эксперимента: %1 и %2 (%3); Солнце свободно</source>
        <translation>Time since the experiment began: %1 and %2 (%3); the Sun is free</translation>
    </message>
    <message>
        <source>Орбита не замкнута (e ≥ 1): тело приближается к Солнцу, пройдёт мимо него и уйдёт</source>
        <translation>The orbit is not closed (e ≥ 1): the body is approaching the Sun, will pass it and leave</translation>
    </message>
    <message>
        <source>Тело движется по прямой через Солнце (e = 1) и падает на Солнце</source>
        <translation>The body moves along a straight line through the Sun (e = 1) and is falling into the Sun</translation>
    </message>
    <message>
        <source>Тело движется по прямой через Солнце (e = 1): удаляется от Солнца и упадёт на него обратно</source>
        <translation>The body moves along a straight line through the Sun (e = 1): it is receding from the Sun and will fall back into it</translation>
    </message>
    <message>
        <source>Орбита относительно Солнца при μ = G·M☉: Солнце закреплено и притягивает тело как неподвижный центр</source>
        <translation>The osculating orbit about the Sun with μ = G·M☉: the Sun is held and attracts the body as a fixed centre</translation>
    </message>
    <message>
        <source>Орбита относительно Солнца при μ = G·(M☉ + m): Солнце свободно и само движется к телу</source>
        <translation>The osculating orbit about the Sun with μ = G·(M☉ + m): the Sun is free and itself moves towards the body</translation>
    </message>
    <message>
        <source>Солнце закреплено: энергия остальных тел (их кинетическая и потенциальная энергия всех пар, с Солнцем тоже), момент импульса относительно Солнца. Центр масс не сохраняет ни положения, ни скорости: Солнце удерживает внешняя сила.</source>
        <translation>The Sun is held: the energy of the other bodies (their kinetic energy and the potential energy of all pairs, the Sun’s included) and the angular momentum about the Sun. The centre of mass keeps neither its position nor its velocity: an external force holds the Sun.</translation>
    </message>
    <message>
        <source>Солнце свободно: энергия и момент импульса (относительно начала координат) всех одиннадцати тел; скорость центра масс постоянна, и он движется равномерно и прямолинейно.</source>
        <translation>The Sun is free: the energy and the angular momentum (about the origin) of all eleven bodies; the velocity of the centre of mass is constant, and it moves uniformly in a straight line.</translation>
    </message>
    <message>
        <source>Дата вне %1–%2 годов: приближённые элементы орбит JPL годятся только для этих лет</source>
        <translation>The date lies outside %1–%2: JPL’s approximate orbital elements hold only for those years</translation>
    </message>
    <message>
        <source>Записать всю историю эксперимента в файл для электронной таблицы (Ctrl+S)</source>
        <translation>Write the whole history of the experiment to a file for a spreadsheet (Ctrl+S)</translation>
    </message>
    <message>
        <source>Тело ещё не сделало полного оборота вокруг Солнца в этом эксперименте</source>
        <translation>The body has not yet made a full revolution around the Sun in this experiment</translation>
    </message>
    <message>
        <source>Эксперимент начат не с реальных положений планет (данные на 1.1.2000 года или на другую дату) в том виде, как они загружены: сравнивать с реальным небом нечего</source>
        <translation>The experiment did not start from the real positions of the planets (the data for 1 January 2000 or for another date) as loaded: there is nothing to compare with the real sky</translation>
    </message>
    <message>
        <source>Полярный
угол
от Солнца, °</source>
        <translation>Polar
angle about
the Sun, °</translation>
    </message>
    <message>
        <source>Метод решения: %1</source>
        <translation>Solution method: %1</translation>
    </message>
</context>
<context>
    <name>orvane::ui::MethodNames</name>
    <message>
        <source>Явный метод Эйлера</source>
        <translation>Explicit Euler Method</translation>
    </message>
    <message>
        <source>Симплектический метод Эйлера</source>
        <translation>Symplectic Euler Method</translation>
    </message>
    <message>
        <source>Метод Верле (leapfrog)</source>
        <translation>Velocity Verlet (Leapfrog) Method</translation>
    </message>
    <message>
        <source>Метод Рунге — Кутты 4-го порядка</source>
        <translation>Fourth-Order Runge–Kutta Method</translation>
    </message>
</context>
<context>
    <name>orvane::ui::PictureBox</name>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>Изображения PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
</context>
</TS>
