<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>ErrorText</name>
    <message numerus="yes">
        <source>В файле параметров %n чисел, а нужно %1: по пять для каждого из 11 тел. Выберите другой файл или сохраните параметры заново.</source>
        <extracomment>%n is how many numbers the file holds, %1 how many it needs (five for each of the 11 bodies).</extracomment>
        <translation>
            <numerusform>В файле параметров %n число, а нужно %1: по пять для каждого из 11 тел. Выберите другой файл или сохраните параметры заново.</numerusform>
            <numerusform>В файле параметров %n числа, а нужно %1: по пять для каждого из 11 тел. Выберите другой файл или сохраните параметры заново.</numerusform>
            <numerusform>В файле параметров %n чисел, а нужно %1: по пять для каждого из 11 тел. Выберите другой файл или сохраните параметры заново.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvane::measure::Counts</name>
    <message numerus="yes">
        <source>%1 лет</source>
        <extracomment>A whole number of years; %1 is the number.</extracomment>
        <translation>
            <numerusform>%1 год</numerusform>
            <numerusform>%1 года</numerusform>
            <numerusform>%1 лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 дней</source>
        <extracomment>Days of a calendar; %1 is the number, to a tenth.</extracomment>
        <translation>
            <numerusform>%1 день</numerusform>
            <numerusform>%1 дня</numerusform>
            <numerusform>%1 дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 суток</source>
        <extracomment>A duration in days of 24 hours («сутки»); %1 is the number, to a tenth.</extracomment>
        <translation>
            <numerusform>%1 сутки</numerusform>
            <numerusform>%1 суток</numerusform>
            <numerusform>%1 суток</numerusform>
        </translation>
    </message>
</context>
</TS>
