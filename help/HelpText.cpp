#include "HelpText.h"

namespace orvane {

// The help text is put together piece by piece, with its mixed quotation marks, missing blanks and
// typing errors, exactly as the program has always shown it.
QString BuildHelpText() {
    QString text;
    text = QStringLiteral(
        "    При загрузке программы вы видите параметры объектов, которые загружаются по умолчанию.");
    text += QStringLiteral(" Их можно вывести на графические экраны, нажав кнопку “вывести на экраны”,");
    text += QStringLiteral("а выбрав конкретный объект, можно установить ");
    text += QStringLiteral("для него произвольные параметры. Для планет надо нажать кнопку ”изменить”,");
    text += QStringLiteral("а когда планета займет требуемое положение кнопку “стоп”. Для Солнца и ");
    text +=
        QStringLiteral("астероида необходимо ввести их параметры вручную, а затем включить переключатель");
    text += QStringLiteral(
        " у Солнца и нажать кнопку “изменить”. Чтобы исключить влияние астероида на другие объекты, надо ");
    text += QStringLiteral("задать его массу равную нулю (или заслать его очень далеко).");
    text += QStringLiteral("\r\n");
    text += QStringLiteral("   Все параметры ");
    text += QStringLiteral("(кроме масс объектов) можно в любой момент сохранить в файле, а позднее ");
    text += QStringLiteral("наоборот загрузить эти параметры из файла. Кроме того можно загрузить ");
    text += QStringLiteral("параметры объектов по состоянию на 1.1.2000 г., нажав соответствующую ");
    text += QStringLiteral("кнопку. Чтобы точнее устоновить параметры планет можно изменить точность ");
    text += QStringLiteral("решения и замедление на шаге решения, изменив опции установленные по ");
    text += QStringLiteral("умолчанию.");
    text += QStringLiteral("\r\n");
    text += QStringLiteral("    После того как все параметры заданы можно начинать эксперимент, ");
    text += QStringLiteral("для чего необходимо нажать соответствующую кнопку и загрузить вторую ");
    text += QStringLiteral("форму, которя также имеет два графических экрана и элементы управления ");
    text += QStringLiteral("ходом эксперимента.");
    text += QStringLiteral("\r\n");
    text +=
        QStringLiteral("    Масштаб изображения на левом экране можно изменить ползунком, а просматриваемую");
    text += QStringLiteral(" область пространства выбрать перемещая его влево, вправо, вниз и вверх.");
    text += QStringLiteral(" При этом на правом экране, который показывает объекты в постоянном масштабе");
    text += QStringLiteral("так, чтобы был виден самый отдаленный объект, вы будете видеть квадрат");
    text += QStringLiteral(" ограничивающий эту область. ");
    text += QStringLiteral("\r\n");
    text += QStringLiteral("    Также как и на первой форме, чтобы увидеть");
    text += QStringLiteral(" процесс в замедленном темпе, вы можете ползунком изменить замедление на");
    text += QStringLiteral(" шаге решения, а чтобы приостановить прцесс вы можете нажать кнопку “пауза”,");
    text += QStringLiteral("а затем опять продолжить эксперимент или вернуться к первой форме и");
    text += QStringLiteral(" сохранить данные в файле.");
    text += QStringLiteral("\r\n");
    text += QStringLiteral("    По умолчанию опция “движение Солнца”, отключена,");
    text += QStringLiteral(" но вы можете ее включить и увидеть, что не только Солнце притягивает ");
    text += QStringLiteral("планеты, но и они его тоже и для того, чтобы оно только слегка колебалось");
    text += QStringLiteral(" относительно начала координат надо на первой форме подобрать начальные");
    text += QStringLiteral(" параметры Солнца, которые к сожалению мне не известны. В нижней части формы");
    text += QStringLiteral(" вы видите сколько лет и дней прошло с начала эксперимент");
    return text;
}

} // namespace orvane
