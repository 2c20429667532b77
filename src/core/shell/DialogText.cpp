#include "core/shell/DialogText.h"

namespace rinolux {

namespace {
constexpr QChar Seitenvorschub(u'\f');
// Stand-ins for the escaped characters while a text is split; private-use code points
// never reach the screen because each block maps them back.
constexpr QChar ErsatzKleiner(u'\uE000');
constexpr QChar ErsatzVorschub(u'\uE001');
constexpr QChar ErsatzPrivat(u'\uE002');

DialogBlock blockZerlegen(const QString &roh)
{
    // Positions of the form feeds; an odd count leaves the last one unpaired.
    QList<qsizetype> vorschuebe;
    for (qsizetype i = 0; i < roh.size(); ++i)
        if (roh[i] == Seitenvorschub)
            vorschuebe.append(i);
    const qsizetype gepaart = vorschuebe.size() - vorschuebe.size() % 2;

    auto zurueck = [](QString s) {
        s.replace(ErsatzKleiner, u'<');
        s.replace(ErsatzVorschub, QChar(0x240C));
        s.replace(ErsatzPrivat, QChar(0xE000));
        return s;
    };

    DialogBlock block;
    bool fett = false;
    QString aktuell;
    qsizetype naechster = 0;
    for (qsizetype i = 0; i < roh.size(); ++i) {
        if (roh[i] != Seitenvorschub) {
            aktuell.append(roh[i]);
            continue;
        }
        const bool paarig = naechster < gepaart;
        ++naechster;
        if (!paarig)
            continue;
        if (!aktuell.isEmpty())
            block.append({zurueck(aktuell), fett});
        aktuell.clear();
        fett = !fett;
    }
    if (!aktuell.isEmpty() || block.isEmpty())
        block.append({zurueck(aktuell), false});
    return block;
}
} // namespace

QString Fehler_MoeglicheGruende()
{
    return QStringList{
        QStringLiteral("Mögliche Gründe dafür sind:"),
        QStringLiteral("- Das System oder ein anderes Programm verhindert den Zugriff."),
        QStringLiteral("- Die Datei (oder das Verzeichnis) ist nicht mehr vorhanden."),
        QStringLiteral("- Die Datei (oder das Verzeichnis) hat einen ungültigen Namen."),
        QStringLiteral("- Ein neuer Name wird schon von einer anderen Datei (oder einem Verzeichnis) belegt."),
        QStringLiteral("- Der Datenträger ist schreibgeschützt."),
        QStringLiteral("- Auf dem Datenträger ist kein Platz mehr."),
        QStringLiteral("- Was anderes. Keine Ahnung, was."),
    }.join(QStringLiteral("\r\n"));
}

QString DialogMaskieren(const QString &text)
{
    QString aus;
    aus.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'<')
            aus += QStringLiteral("<<>");
        else if (c == Seitenvorschub)
            aus += QStringLiteral("<f>");
        else
            aus += c;
    }
    return aus;
}

DialogZeilen DialogZerlegen(const QString &text)
{
    // First the escapes and the private-use stand-ins are taken out of the way, so the
    // marker search below cannot see into an escaped name.
    QString t;
    t.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == ErsatzKleiner || text[i] == ErsatzVorschub || text[i] == ErsatzPrivat) {
            // Such code points in a caller's text are shown as the first stand-in's glyph
            // would be; they are private-use characters without a glyph of their own.
            t.append(ErsatzPrivat);
            continue;
        }
        if (text[i] == u'<' && text.mid(i, 3) == QStringLiteral("<<>")) {
            t.append(ErsatzKleiner);
            i += 2;
            continue;
        }
        if (text[i] == u'<' && text.mid(i, 3) == QStringLiteral("<f>")) {
            t.append(ErsatzVorschub);
            i += 2;
            continue;
        }
        t.append(text[i]);
    }

    DialogZeilen zeilen;
    zeilen.append(QList<DialogBlock>());
    qsizetype anfang = 0;
    for (qsizetype i = 0; i <= t.size(); ++i) {
        const bool ende = i == t.size();
        const bool zeile = !ende && t.mid(i, 3) == QStringLiteral("<#>");
        const bool spalte = !ende && t.mid(i, 3) == QStringLiteral("<|>");
        if (!ende && !zeile && !spalte)
            continue;
        zeilen.last().append(blockZerlegen(t.mid(anfang, i - anfang)));
        if (zeile)
            zeilen.append(QList<DialogBlock>());
        if (!ende) {
            anfang = i + 3;
            i += 2;
        }
    }
    return zeilen;
}

QString DialogBlockText(const DialogBlock &block)
{
    QString s;
    for (const auto &a : block)
        s += a.text;
    return s;
}

} // namespace rinolux
