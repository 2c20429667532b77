#include "core/inputaids/EditSchalterHilfe.h"

#include <QStringList>

namespace rinolux {

namespace {

const QString NL = QStringLiteral("\r\n");
const QString DQ = QStringLiteral("\"");
const QString Zeile = QStringLiteral("<#>");
const QString Block = QStringLiteral("<|>");

QString fett(const QString &t)
{
    return QStringLiteral("\f") + t + QStringLiteral("\f");
}

// Lines joined with CR LF; an empty entry is an empty line.
QString spalte(const QStringList &zeilen)
{
    return zeilen.join(NL);
}

QString balken(int n)
{
    return spalte(QStringList(n, QStringLiteral("|")));
}

QString balkenMitAbstand(int n)
{
    QStringList z(n - 1, QStringLiteral("    |   "));
    z.append(QStringLiteral("    |"));
    return spalte(z);
}

QStringList mal(int n, const QString &t)
{
    return QStringList(n, t);
}

QString autoVerbinden()
{
    QString s = QStringLiteral(
                    "Das Programm erkennt automatisch fortlaufende Datei-Namen. Wenn ein Datei-Name mit ") +
                DQ + QStringLiteral("1") + DQ +
                QStringLiteral(" endet, wird geprüft, ob der nachfolgende Datei-Name mit ") + DQ +
                QStringLiteral("2") + DQ + QStringLiteral(" endet. Und so weiter.") + NL + Zeile;
    const QString trenner = Block + balken(3) + NL + QStringLiteral("-") + NL + balken(11) + Block;
    const QString sp1 =
        spalte({QStringLiteral("einige"), QStringLiteral("Beispiel-"), QStringLiteral("Datei-Namen:"),
                QString(21, u'-'), QStringLiteral("Film.mpg.001 =>"), QStringLiteral("Film.mpg.002 =>"),
                QStringLiteral("Film.mpg.003 =>"), QString(), QStringLiteral("CD.iso.1 =>"),
                QStringLiteral("CD.iso.2 =>"), QStringLiteral("CD.iso.3 =>"), QString(),
                QStringLiteral("Bild.pcd.002 =>"), QStringLiteral("Bild.pcd.003 =>"),
                QStringLiteral("Bild.pcd.004 =>")});
    const QString an = QStringLiteral("(wird angehängt)"), ig = QStringLiteral("(wird ignoriert)");
    // The result lines stand in the rows of column 1, empty where it is.
    auto ergebnis = [&](const QString &vorgabe, const QStringList &werte) {
        QStringList z{QStringLiteral("neue Namen, wenn"), QStringLiteral("die Zeichen-Vorgabe"), vorgabe,
                      QString(26, u'-')};
        for (int i = 0, w = 0; i < 11; ++i)
            z.append(i == 3 || i == 7 ? QString() : werte.value(w++));
        return spalte(z);
    };
    const QString sp2 =
        ergebnis(QStringLiteral("[.001] ist:"), QStringList{QStringLiteral("Film.mpg"), an, an} + mal(6, ig));
    const QString sp3 = ergebnis(QStringLiteral("[.1] ist:"),
                                 mal(3, ig) + QStringList{QStringLiteral("CD.iso"), an, an} + mal(3, ig));
    const QString sp4 = ergebnis(
        QStringLiteral("[.001|.1] ist:"),
        QStringList{QStringLiteral("Film.mpg"), an, an, QStringLiteral("CD.iso"), an, an} + mal(3, ig));
    return s + sp1 + trenner + sp2 + trenner + sp3 + trenner + sp4;
}

// Examples side by side: a value column and an increment column each, between examples a
// spaced bar column.
QString beispiele(const QList<QPair<QStringList, QString>> &b, int balkenZeilen)
{
    QString s;
    for (int i = 0; i < b.size(); ++i) {
        if (i > 0)
            s += Block + balkenMitAbstand(balkenZeilen) + Block;
        s += spalte(b[i].first) + Block + spalte({QStringLiteral("Erhöhung"), b[i].second});
    }
    return s;
}

QString ersterWert()
{
    QString s = QStringLiteral("Das Programm verwendet diese Werte-Reihen:") + NL +
                spalte({QStringLiteral("     0123456789"), QStringLiteral("     abcdefghijklmnopqrstuvwxyz"),
                        QStringLiteral("     ABCDEFGHIJKLMNOPQRSTUVWXYZ"), QString(), QString()});
    s += QStringLiteral("Stattdessen können auch eigene Werte-Reihen verwendet werden. Beispiele:") + NL +
         spalte({QStringLiteral("     01zE4s67B9"), QStringLiteral("     0123456789abcdef"),
                 QStringLiteral("     ABC"), QString(), QString()});
    s += QStringLiteral("Wenn man eine eigene Werte-Reihe verwenden möchte, muss man hinter ") +
         QStringLiteral("den 1. Wert einen Senkrechtstrich ") + fett(QStringLiteral("|")) +
         QStringLiteral(" und dann die Werte-Reihe schreiben. ") +
         QStringLiteral("Die folgenden Beispiele zeigen, wie es funktioniert:") + NL + Zeile;
    const QString e = QStringLiteral("[1           ]");
    s += beispiele({{{QStringLiteral("1. Wert"), QStringLiteral("[1|01zE4s67B9  ]"), QString(),
                      QStringLiteral("1"), QStringLiteral("z"), QStringLiteral("E"), QStringLiteral("4"),
                      QStringLiteral("s"), QStringLiteral("...")},
                     e},
                    {{QStringLiteral("1. Wert"), QStringLiteral("[4d|0123456789abcdef ]"), QString(),
                      QStringLiteral("4d"), QStringLiteral("4e"), QStringLiteral("4f"), QStringLiteral("50"),
                      QStringLiteral("51"), QStringLiteral("...")},
                     e},
                    {{QStringLiteral("1. Wert"), QStringLiteral("[AA|ABC ]"), QString(), QStringLiteral("AA"),
                      QStringLiteral("AB"), QStringLiteral("AC"), QStringLiteral("BA"), QStringLiteral("BB"),
                      QStringLiteral("...")},
                     e}},
                   9);
    s += Zeile + NL +
         QStringLiteral(
             "Mehrere Werte-Reihen können gleichzeitig verwendet werden, indem man sie hinter einander "
             "schreibt. Beispielsweise so:") +
         NL + QStringLiteral("     |0123456789|abcdefghijklmnopqrstuvwxyz|ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return s;
}

QString wiederholenEinleitung()
{
    return QStringLiteral(
               "Man kann Nummern wiederholen lassen, bevor sie erhöht werden, indem man hinter die Erhöhung "
               "noch die Anzahl der Wiederholungen schreibt. Dafür muss ein Senkrecht-Strich ") +
           fett(QStringLiteral("|")) + QStringLiteral(" verwendet werden.") + NL +
           QStringLiteral("Die folgenden Beispiele zeigen, wie es funktioniert:") + NL + Zeile;
}

QStringList zahlen(std::initializer_list<const char *> z)
{
    QStringList l;
    for (const char *t : z)
        l.append(QString::fromLatin1(t));
    return l;
}

QString diff()
{
    return wiederholenEinleitung() +
           beispiele({{QStringList{QStringLiteral("1. Wert"), QStringLiteral("[10      ]"), QString()} +
                           zahlen({"10", "14", "18", "22", "26", "30", "34", "..."}),
                       QStringLiteral("[4           ]")},
                      {QStringList{QStringLiteral("1. Wert "), QStringLiteral("[10      ]"), QString()} +
                           zahlen({"10", "10", "14", "14", "18", "18", "22", "..."}),
                       QStringLiteral("[4|2       ]")},
                      {QStringList{QStringLiteral("1. Wert "), QStringLiteral("[10      ]"), QString()} +
                           zahlen({"10", "10", "10", "14", "14", "14", "18", "..."}),
                       QStringLiteral("[4|3       ]")}},
                     11);
}

QString matrix1()
{
    QString s =
        QStringLiteral(
            "Hier wird in Einzelschritten gezeigt, wie man verschachtelte Nummern herstellen kann:") +
        NL + NL +
        QStringLiteral("Die Nummern werden durch Formeln berechnet. Dafür verwendet man diese Zeichen: ") +
        fett(QStringLiteral("/ * \\")) + NL + Zeile;
    s += QStringLiteral("/1*10*3\\    ") + Block +
         QStringLiteral("bedeutet:   erster Wert = 1, Erhöhung = 10, Anzahl bis zur Wiederholung = 3") +
         Zeile;
    s += Zeile + QStringLiteral("Beispiel mit Ergebnis:") + Block +
         spalte(QStringList{QStringLiteral("/1*10*3\\"), QString()} +
                zahlen({"1", "11", "21", "1", "11", "21", "..."})) +
         Zeile + NL;
    s += QStringLiteral("Jetzt kommt die Verschachtelung: Für die Verschachtelung ist es notwendig, dass ") +
         QStringLiteral("die Nummern Namen bekommen. Im folgenden Beispiel bekommen die Nummern ") +
         QStringLiteral("die Namen ") + DQ + fett(QStringLiteral("zahl")) + DQ + QStringLiteral(" und ") +
         DQ + fett(QStringLiteral("buchst")) + DQ + QStringLiteral(":") + NL + Zeile;
    s += spalte({QStringLiteral("/1*10*2*zahl\\"), QStringLiteral("/A*1*3*buchst\\"),
                 QStringLiteral("/A*1*3*buchst*zahl\\    ")}) +
         Block +
         spalte({QStringLiteral("bedeutet:   Die Nummer (hier die 1) hat den Namen ") + DQ +
                     QStringLiteral("zahl") + DQ + QStringLiteral("."),
                 QStringLiteral("bedeutet:   Die Nummer (hier das A) hat den Namen ") + DQ +
                     QStringLiteral("buchst") + DQ + QStringLiteral("."),
                 QStringLiteral("bedeutet:   Die Nummer (hier das A) hat den Namen ") + DQ +
                     QStringLiteral("buchst") + DQ + QStringLiteral(" und soll"),
                 QStringLiteral("erst dann erhöht werden, wenn ") + DQ + QStringLiteral("zahl") + DQ +
                     QStringLiteral(" ihren höchsten Wert erreicht hat.")}) +
         Zeile;
    s += Zeile + QStringLiteral("Beispiel mit Ergebnis:") + Block +
         spalte(QStringList{QStringLiteral("/1*10*2*zahl\\  /A*1*3*buchst*zahl\\"), QString()} +
                zahlen({"1 A", "11 A", "1 B", "11 B", "1 C", "11 C", "1 A", "..."}));
    return s;
}

QString matrix2()
{
    const QString trenner = Block + balkenMitAbstand(13) + Block;
    return wiederholenEinleitung() + QStringLiteral("         ") + Block + QStringLiteral("/11*1*4\\") + NL +
           spalte(QStringList{QString()} +
                  zahlen({"11", "12", "13", "14", "11", "12", "13", "14", "11", "12", "..."})) +
           trenner + QStringLiteral("/11*1|2*4\\") + NL +
           spalte(QStringList{QString()} +
                  zahlen({"11", "11", "12", "12", "13", "13", "14", "14", "11", "11", "..."})) +
           trenner + QStringLiteral("/11*1|3*4\\") + NL +
           spalte(QStringList{QString()} +
                  zahlen({"11", "11", "11", "12", "12", "12", "13", "13", "13", "14", "..."}));
}

} // namespace

QString EditSchalterHilfeText(const QString &code)
{
    if (code == u"#autoverbindeninfo")
        return autoVerbinden();
    if (code == u"#ersterwertinfo")
        return ersterWert();
    if (code == u"#diffinfo")
        return diff();
    if (code == u"#matrixinfo1")
        return matrix1();
    if (code == u"#matrixinfo2")
        return matrix2();
    return QString();
}

} // namespace rinolux
