#include "GuideText.h"

#include <QCoreApplication>

namespace orvane {

namespace {

// A section of the guide: its heading and its paragraphs, each one text to translate. A feature added to
// the program adds its paragraph to the section it belongs to (or a section of its own) and its keys to
// GuideKeys below; nothing else needs to change.
struct GuideSection {
    const char* heading;
    const char* paragraphs[4];
};

constexpr GuideSection GuideSections[] = {
    {QT_TRANSLATE_NOOP("GuideText", "Опыты для урока"),
     {QT_TRANSLATE_NOOP("GuideText",
                        "«Опыты для урока…» (Ctrl+L, или правый щелчок по любому экрану окна подготовки) — "
                        "список готовых опытов: что показать, за чем следить, что измерить. «Загрузить» "
                        "задаёт все тела, их массы, точность и, где опыт так велит, режим Солнца, и "
                        "выводит тела на экраны."),
      QT_TRANSLATE_NOOP("GuideText",
                        "«Сохранить как опыт для урока…» (Ctrl+Shift+L, правый щелчок по экрану окна "
                        "подготовки или по кнопкам «файл №1») сохраняет всё, что задано сейчас, — массы, "
                        "точность, режим Солнца и значения всех тел полностью — как собственный опыт "
                        "учителя с названием и описанием; такие опыты стоят в том же списке после "
                        "готовых с пометкой «(свой опыт)», их можно переименовать и удалить.")}},
    {QT_TRANSLATE_NOOP("GuideText", "Файлы параметров"),
     {QT_TRANSLATE_NOOP("GuideText",
                        "Кнопки «файл №1» сохраняют и загружают файл orvane1.dat. Правый щелчок по ним: "
                        "«Открыть файл параметров…» (Ctrl+O), «Сохранить файл параметров как…» "
                        "(Ctrl+Shift+S) и «Недавние файлы». Файл — одиннадцать строк по пять чисел; файл, "
                        "названный в командной строке (orvane ФАЙЛ), открывается при запуске."),
      QT_TRANSLATE_NOOP("GuideText",
                        "«Загрузить данные на другую дату…» (Ctrl+D, правый щелчок по кнопке данных на "
                        "1.1.2000 или по экрану окна подготовки) ставит планеты туда, где они были или "
                        "будут в любой день с 1.1.1800 по 31.12.2050.")}},
    {QT_TRANSLATE_NOOP("GuideText", "Измерения и таблица CSV"),
     {QT_TRANSLATE_NOOP("GuideText",
                        "«Измерения…» (Ctrl+M, или правый щелчок по экрану окна эксперимента) открывает "
                        "окно измерений: для каждого тела расстояние от Солнца, скорость, большая полуось, "
                        "эксцентриситет и период по Кеплеру; энергия и момент импульса и насколько они "
                        "сохраняются; полярный угол каждого тела; графики; для эксперимента с 1.1.2000 — "
                        "сравнение с реальным небом. Под сохраняющимися величинами — площади секторов "
                        "второго закона Кеплера и график T² от a³ (третий закон)."),
      QT_TRANSLATE_NOOP("GuideText",
                        "«Сохранить в CSV…» (Ctrl+S) записывает всю историю эксперимента в файл CSV для "
                        "электронной таблицы (LibreOffice Calc, Excel): одна строка на момент времени, "
                        "заголовки словами окна. Числа пишутся с десятичным разделителем вашего "
                        "рабочего стола; числа с запятой взяты в кавычки, поэтому таблица читает их "
                        "как числа при своих обычных настройках импорта.")}},
    {QT_TRANSLATE_NOOP("GuideText", "Параметры экранов"),
     {QT_TRANSLATE_NOOP("GuideText",
                        "Правый щелчок по любому экрану окна эксперимента: после «Измерения…» идут "
                        "параметры, каждый выключен, пока его не включат, и программа их запоминает. "
                        "«Подписи тел» — имя каждого тела рядом с ним (первыми Солнце и астероид). "
                        "«Сохранять следы при перемещении экрана» — после сдвига или изменения масштаба "
                        "следы рисуются заново. «Управление с клавиатуры» — клавиши из таблицы ниже."),
      QT_TRANSLATE_NOOP("GuideText",
                        "«Крупные точки (для проектора)» — точки 3 × 3 пикселя, оси и рамка в два "
                        "пикселя, крупные жирные подписи и у каждого тела свой цвет, хорошо видный на "
                        "белом экране (Солнце оранжевое)."),
      QT_TRANSLATE_NOOP("GuideText",
                        "Колесо мыши над левым экраном уменьшает или увеличивает размер экрана в 1,25 "
                        "раза за щелчок колеса, с Shift — в 1,05 раза, так же как ползунок размера."),
      QT_TRANSLATE_NOOP("GuideText",
                        "«Очистить экраны» (Delete при управлении с клавиатуры) стирает оба экрана и "
                        "сохранённые следы; эксперимент идёт дальше.")}},
    {QT_TRANSLATE_NOOP("GuideText", "Законы на экранах"),
     {QT_TRANSLATE_NOOP("GuideText",
                        "В том же меню, ниже: «Стрелки скорости» и «Стрелки силы» — стрелка от каждого "
                        "тела по его скорости относительно Солнца (у свободного Солнца — относительно "
                        "центра масс) или по его ускорению; масштаб показан в углу. «Орбита выбранного "
                        "тела» — эллипс тела из подменю «Тело» с фокусами, осями, перигелием и "
                        "афелием."),
      QT_TRANSLATE_NOOP("GuideText",
                        "«Равные площади (второй закон Кеплера)» — секторы, которые тело заметает за "
                        "равное время (длина — в подменю «Длина сектора»); их площади — в окне "
                        "измерений. «Рулетка» — протяните мышью по экрану, чтобы измерить расстояние и "
                        "угол; начатая на теле, она следует за ним; щелчок или Escape убирает её. "
                        "«Сетка» — линии через круглое число а. е. Shift+F10 открывает это меню с "
                        "клавиатуры.")}},
    {QT_TRANSLATE_NOOP("GuideText", "Метод решения"),
     {QT_TRANSLATE_NOOP("GuideText",
                        "Правый щелчок по экрану окна подготовки — «Метод решения»: явный метод Эйлера, "
                        "симплектический метод Эйлера, метод Верле (leapfrog) или метод Рунге — Кутты "
                        "4-го порядка, который стоит при каждом запуске программы. "
                        "Окно эксперимента и окно измерений называют выбранный метод; опыт «Какой метод "
                        "точнее?» сравнивает их.")}},
    {QT_TRANSLATE_NOOP("GuideText", "Язык"),
     {QT_TRANSLATE_NOOP("GuideText",
                        "Правый щелчок по экрану окна подготовки — «Язык / Language»: русский или "
                        "английский. Выбор действует сразу во всех окнах и запоминается; из командной "
                        "строки — orvane --lang ru или orvane --lang en. Пока язык не выбран, программа "
                        "говорит на языке рабочего стола, если знает его, иначе по-русски.")}},
};

// The keys: the key as it is pressed, and what it does.
struct GuideKey {
    const char* key;
    const char* action;
};

constexpr GuideKey GuideKeys[] = {
    {QT_TRANSLATE_NOOP("GuideText", "F1"), QT_TRANSLATE_NOOP("GuideText", "справка, из любого окна")},
    {QT_TRANSLATE_NOOP("GuideText", "Ctrl+D"),
     QT_TRANSLATE_NOOP("GuideText", "окно подготовки: данные на другую дату")},
    {QT_TRANSLATE_NOOP("GuideText", "Ctrl+O"),
     QT_TRANSLATE_NOOP("GuideText", "окно подготовки: открыть файл параметров")},
    {QT_TRANSLATE_NOOP("GuideText", "Ctrl+Shift+S"),
     QT_TRANSLATE_NOOP("GuideText", "окно подготовки: сохранить файл параметров как")},
    {QT_TRANSLATE_NOOP("GuideText", "Ctrl+L"),
     QT_TRANSLATE_NOOP("GuideText", "окно подготовки: опыты для урока")},
    {QT_TRANSLATE_NOOP("GuideText", "Ctrl+Shift+L"),
     QT_TRANSLATE_NOOP("GuideText", "окно подготовки: сохранить как опыт для урока")},
    {QT_TRANSLATE_NOOP("GuideText", "Ctrl+M"),
     QT_TRANSLATE_NOOP("GuideText", "окно эксперимента: измерения")},
    {QT_TRANSLATE_NOOP("GuideText", "Ctrl+S"),
     QT_TRANSLATE_NOOP("GuideText", "окно измерений: сохранить таблицу CSV")},
    {QT_TRANSLATE_NOOP("GuideText", "Пробел"),
     QT_TRANSLATE_NOOP("GuideText", "«Старт», затем «Пауза» или «Продолжить» (при управлении с клавиатуры)")},
    {QT_TRANSLATE_NOOP("GuideText", "← → ↑ ↓"),
     QT_TRANSLATE_NOOP("GuideText", "«Влево», «Вправо», «Вверх», «Вниз» (при управлении с клавиатуры)")},
    {QT_TRANSLATE_NOOP("GuideText", "+ и −"),
     QT_TRANSLATE_NOOP("GuideText",
                       "размер экрана в 1,25 раза меньше или больше (при управлении с клавиатуры)")},
    {QT_TRANSLATE_NOOP("GuideText", "Home"),
     QT_TRANSLATE_NOOP("GuideText", "исходный вид, 9000 млн км (при управлении с клавиатуры)")},
    {QT_TRANSLATE_NOOP("GuideText", "PageDown / PageUp"),
     QT_TRANSLATE_NOOP("GuideText",
                       "«Продолжить» / «Пауза», как пульт презентаций (при управлении с клавиатуры)")},
    {QT_TRANSLATE_NOOP("GuideText", "Delete"),
     QT_TRANSLATE_NOOP("GuideText", "«Очистить экраны» (при управлении с клавиатуры)")},
    {QT_TRANSLATE_NOOP("GuideText", "Shift+F10"),
     QT_TRANSLATE_NOOP("GuideText", "меню экрана окна эксперимента")},
    {QT_TRANSLATE_NOOP("GuideText", "Escape"), QT_TRANSLATE_NOOP("GuideText", "убирает рулетку")},
    {QT_TRANSLATE_NOOP("GuideText", "Enter"),
     QT_TRANSLATE_NOOP("GuideText", "нажимает кнопку, на которой фокус")},
};

QString Tr(const char* text) {
    return QCoreApplication::translate("GuideText", text);
}

} // namespace

QString BuildGuideText() {
    QString text = Tr(QT_TRANSLATE_NOOP("GuideText", "ВСЯ ПРОГРАММА"));
    for (const GuideSection& section : GuideSections) {
        text += QStringLiteral("\n\n") + Tr(section.heading).toUpper();
        for (const char* paragraph : section.paragraphs)
            if (paragraph != nullptr) text += QStringLiteral("\n") + Tr(paragraph);
    }
    text += QStringLiteral("\n\n") + Tr(QT_TRANSLATE_NOOP("GuideText", "Клавиши")).toUpper();
    for (const GuideKey& row : GuideKeys)
        text += QStringLiteral("\n") + Tr(row.key) + QLatin1Char('\t') + Tr(row.action);
    return text;
}

} // namespace orvane
