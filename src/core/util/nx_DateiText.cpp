#include "core/util/nx_DateiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

namespace rinolux {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; undefined bytes map to themselves.
constexpr char16_t kCp1252Mitte[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString ausCp1252(const QByteArray &bytes)
{
    QString s(bytes.size(), Qt::Uninitialized);
    QChar *ziel = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        ziel[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252Mitte[b - 0x80]) : QChar(char16_t(b));
    }
    return s;
}

Ergebnis verzeichnisFuer(const QString &pfad)
{
    const QString dir = QFileInfo(pfad).absolutePath();
    if (QDir().mkpath(dir))
        return Ergebnis::Ok();
    return Ergebnis::Fehler(0, QStringLiteral("Das Verzeichnis \"%1\" kann nicht hergestellt werden.").arg(dir));
}

// Reading drops a leading BOM, so a text that itself begins with U+FEFF needs one in front
// to come back whole.
QByteArray bomWennNoetig(const QString &ersteZeile)
{
    return ersteZeile.startsWith(QChar(0xFEFF)) ? QByteArray("\xEF\xBB\xBF") : QByteArray();
}

} // namespace

QString nxTextAusDatei(const QByteArray &bytes)
{
    QByteArrayView daten(bytes);
    if (daten.startsWith("\xEF\xBB\xBF"))
        daten = daten.sliced(3);
    // The one BOM is gone already; a second U+FEFF is text and stays.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(daten);
    if (!utf8.hasError())
        return text;
    return ausCp1252(daten.toByteArray());
}

QStringList nxTextZeilenTeilen(const QString &text)
{
    QStringList zeilen;
    if (text.isEmpty())
        return zeilen;
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype lf = text.indexOf(u'\n', anfang);
        if (lf < 0) {
            zeilen.append(text.mid(anfang));
            break;
        }
        qsizetype ende = lf;
        if (ende > anfang && text[ende - 1] == u'\r')
            --ende;
        zeilen.append(text.mid(anfang, ende - anfang));
        anfang = lf + 1;
    }
    return zeilen;
}

Ergebnis nxDateiBytesSchreiben(const QString &pfad, const QByteArray &bytes)
{
    if (Ergebnis e = verzeichnisFuer(pfad); !e)
        return e;
    // The system's own texts are English: the reason is told in German with what to check.
    const Ergebnis fehler = Ergebnis::Fehler(
        0, QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden. Bitte Zugriffsrechte und freien "
                          "Speicherplatz prüfen.")
               .arg(pfad));
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return fehler;
    if (datei.write(bytes) != bytes.size()) {
        datei.cancelWriting();
        return fehler;
    }
    if (!datei.commit())
        return fehler;
    return Ergebnis::Ok();
}

Ergebnis nxDateiTextSchreiben(const QString &pfad, const TextFeld &zeilen, int *geschrieben)
{
    QByteArray bytes;
    if (zeilen.size() > 1)
        bytes += bomWennNoetig(zeilen[1]);
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        bytes += zeilen[i].toUtf8();
        bytes += "\r\n";
    }
    Ergebnis e = nxDateiBytesSchreiben(pfad, bytes);
    if (geschrieben)
        *geschrieben = e ? static_cast<int>(std::max<qsizetype>(0, zeilen.size() - 1)) : 0;
    return e;
}

Ergebnis nxDateiTextListeSchreiben(const QString &pfad, const QStringList &zeilen)
{
    TextFeld feld{QString()};
    feld += zeilen;
    return nxDateiTextSchreiben(pfad, feld);
}

Ergebnis nxDateiTextZeileSchreiben(const QString &pfad, const QString &text, bool leerSchreiben)
{
    if (text.isEmpty() && !leerSchreiben)
        return nxDateiBytesSchreiben(pfad, QByteArray());
    return nxDateiBytesSchreiben(pfad, bomWennNoetig(text) + text.toUtf8() + "\r\n");
}

namespace {

Ergebnis keineDatei(const QString &pfad)
{
    return Ergebnis::Fehler(0,
                            QStringLiteral("\"%1\" ist keine gewöhnliche Datei (sondern zum Beispiel ein "
                                           "Verzeichnis, ein Gerät oder eine Pipe) und wird nicht gelesen. "
                                           "Bitte eine Datei angeben.")
                                .arg(pfad));
}

Ergebnis zuGross(const QString &pfad, qint64 grenze)
{
    return Ergebnis::Fehler(EFBIG,
                            QStringLiteral("Die Datei \"%1\" ist größer als %2 Bytes und wird nicht gelesen. "
                                           "Bitte eine kleinere Datei angeben.")
                                .arg(pfad, QString::number(grenze)));
}

} // namespace

ErgebnisWert<QByteArray> nxDateiBytesGanzLesen(const QString &pfad, qint64 grenze)
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return Ergebnis::Fehler(ENOENT, QStringLiteral("Die Datei \"%1\" ist nicht vorhanden.").arg(pfad));
    // Checked before opening: opening a FIFO would already wait for a writer.
    if (!info.isFile())
        return keineDatei(pfad);
    if (info.size() > grenze)
        return zuGross(pfad, grenze);
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return Ergebnis::Fehler(EACCES,
                                QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden. Bitte die "
                                               "Zugriffsrechte prüfen.")
                                    .arg(pfad));
    // What was opened may have been swapped since the check: it is checked again, and it is
    // never read beyond the limit, however long it goes on.
    if (datei.isSequential())
        return keineDatei(pfad);
    QByteArray bytes;
    bytes.reserve(qsizetype(std::clamp<qint64>(datei.size(), 0, grenze)));
    char puffer[1 << 16];
    for (;;) {
        const qint64 n = datei.read(puffer, sizeof puffer);
        if (n < 0)
            return Ergebnis::Fehler(EIO, QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden "
                                                        "(Ein-/Ausgabefehler).")
                                             .arg(pfad));
        if (n == 0)
            break;
        if (bytes.size() + n > grenze)
            return zuGross(pfad, grenze);
        bytes.append(puffer, qsizetype(n));
    }
    return bytes;
}

ErgebnisWert<TextFeld> nxDateiTextLesen(const QString &pfad, qint64 grenze)
{
    const ErgebnisWert<QByteArray> bytes = nxDateiBytesGanzLesen(pfad, grenze);
    if (!bytes)
        return bytes.ergebnis();
    TextFeld feld{QString()};
    feld += nxTextZeilenTeilen(nxTextAusDatei(*bytes));
    return feld;
}

QString nxDateiTextZeileLesen(const QString &pfad, int n)
{
    if (n < 1)
        return QString();
    const ErgebnisWert<TextFeld> feld = nxDateiTextLesen(pfad);
    if (!feld || n >= feld->size())
        return QString();
    return feld->at(n);
}

QByteArray nxDateiGanzLesen(const QString &pfad)
{
    return nxDateiBytesGanzLesen(pfad).wertOder(QByteArray());
}

QByteArray nxDateiBytesLesen(const QString &pfad, qint64 start, qint64 anzahl)
{
    start = std::max<qint64>(start, 1);
    anzahl = std::max<qint64>(anzahl, 1);
    if (!QFileInfo(pfad).isFile())
        return QByteArray();
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly) || datei.isSequential() || !datei.seek(start - 1))
        return QByteArray();
    return datei.read(std::min(anzahl, std::max<qint64>(datei.size() - (start - 1), 0)));
}

} // namespace rinolux
