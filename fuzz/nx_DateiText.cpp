// Decoding stored text: UTF-8 is taken as it is, anything else as Windows-1252, never with
// a replacement character; lines split at LF and CR LF; and lines written to a file are
// read back exactly.

#include "FuzzUmgebung.h"

#include "core/util/nx_DateiText.h"

#include <QHash>
#include <QStringDecoder>

using namespace rinolux;
using rinolux::fuzz::Pruefen;
using rinolux::fuzz::Sichtbar;

namespace {

void dekodierungPruefen(const QByteArray &eingabe, const QString &text)
{
    const QByteArray rumpf = eingabe.startsWith("\xEF\xBB\xBF") ? eingabe.mid(3) : eingabe;
    // Only the one leading BOM is dropped; a second one is text.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString alsUtf8 = utf8.decode(rumpf);
    if (!utf8.hasError() && alsUtf8.toUtf8() == rumpf) {
        Pruefen(text == alsUtf8, "gültiges UTF-8 wird anders gelesen", Sichtbar(eingabe) + QStringLiteral("\n-> ") + Sichtbar(text));
        return;
    }
    // One character per byte, ASCII as it is, and no two bytes giving the same character.
    Pruefen(text.size() == rumpf.size(), "ein Windows-1252-Text hat nicht ein Zeichen je Byte", Sichtbar(eingabe));
    QHash<char16_t, char> woher;
    for (qsizetype i = 0; i < rumpf.size(); ++i) {
        const auto b = static_cast<unsigned char>(rumpf[i]);
        const char16_t z = text[i].unicode();
        // The report text is built only on failure: this runs once per byte.
        if (!(b >= 0x80 ? z >= 0x80 && z != 0xFFFD : z == b))
            Pruefen(false, "ein Byte wird falsch gelesen", Sichtbar(eingabe) + QStringLiteral("\n-> ") + Sichtbar(text));
        const auto it = woher.constFind(z);
        if (it != woher.cend() && it.value() != rumpf[i])
            Pruefen(false, "zwei Bytes werden zum selben Zeichen", Sichtbar(eingabe));
        woher.insert(z, rumpf[i]);
    }
}

void zeilenPruefen(const QString &text, const QStringList &zeilen)
{
    const QString wo = Sichtbar(text);
    Pruefen(zeilen.isEmpty() == text.isEmpty(), "ein Text ohne Zeilen oder Zeilen ohne Text", wo);
    QString ohneCr = text;
    ohneCr.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (ohneCr.endsWith(u'\n'))
        ohneCr.chop(1);
    for (const QString &z : zeilen)
        Pruefen(!z.contains(u'\n'), "eine Zeile enthält einen Zeilenwechsel", wo);
    Pruefen(zeilen.join(u'\n') == ohneCr, "die Zeilen geben nicht den Text", wo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray eingabe = fuzz::Eingabe(daten, groesse);
    const QString text = nxTextAusDatei(eingabe);
    dekodierungPruefen(eingabe, text);
    const QStringList zeilen = nxTextZeilenTeilen(text);
    zeilenPruefen(text, zeilen);

    const QString pfad = fuzz::ArbeitsPfad() + QStringLiteral("text.txt");
    TextFeld feld{QString()};
    feld += zeilen;
    int geschrieben = 0;
    Pruefen(bool(nxDateiTextSchreiben(pfad, feld, &geschrieben)) && geschrieben == zeilen.size(),
            "Zeilen können nicht geschrieben werden", Sichtbar(eingabe));
    const ErgebnisWert<TextFeld> wieder = nxDateiTextLesen(pfad);
    Pruefen(wieder.ok() && *wieder == feld, "geschriebene Zeilen werden anders gelesen",
            Sichtbar(eingabe) + QStringLiteral("\n-> ") +
                (wieder ? Sichtbar(wieder->join(u'|')) : wieder.ergebnis().text()));
    return 0;
}
