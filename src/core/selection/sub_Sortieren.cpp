#include "core/selection/sub_Sortieren.h"

#include "core/selection/SpaltenText.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Text.h"
#include "core/util/nx_U32Text.h"
#include "core/util/nx_ZeichenEinfach.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace rinolux {

QStringList nxSortWahlTexte()
{
    const QStringList grund = {
        QStringLiteral("Pfad + Name.Format"),
        QStringLiteral("Name.Format"),
        QStringLiteral("Format"),
        QStringLiteral("Bytes"),
        QStringLiteral("Attribute"),
        QStringLiteral("Zeit Herstellung"),
        QStringLiteral("Zeit Änderung"),
        QStringLiteral("Zeit Zugriff"),
        QStringLiteral("Name.Format: nur Buchstaben"),
        QStringLiteral("Name.Format: nur Zahlen"),
        QStringLiteral("Länge von Pfad + Name.Format"),
        QStringLiteral("Länge von Pfad"),
        QStringLiteral("Länge von Name.Format"),
        QStringLiteral("Anzahl der Pfad-Verzeichnisse"),
    };
    QStringList t;
    for (const QString &g : grund)
        t << g << g + QStringLiteral(" (umgekehrt)");
    return t;
}

QString nxSortKette(int wahl)
{
    static const char16_t *const Ketten[] = {u"VPN", u"VNP", u"VFPN", u"VB", u"VA", u"VH", u"VÄ",
                                             u"VZ", u"V4N", u"V5N", u"V1PN", u"V2PN", u"V3N", u"V6PN"};
    if (wahl < 1 || wahl > 28)
        return QStringLiteral("VPN");
    return QString::fromUtf16(Ketten[(wahl - 1) / 2]);
}

namespace {

// The natural key of the characters from q to ende (UTF-16 units or UTF-8 bytes), written
// from p on; returns the end. Every digit run becomes its length without leading zeros
// (at least three digits, zero-padded; 1000 and more with its own digits), the digits and
// the number of leading zeros: "7" -> "0017000". A lone digit grows the most, to seven
// characters, so 7 per character is always room enough.
template<typename Zeichen>
Zeichen *natuerlichSchreiben(const Zeichen *q, const Zeichen *ende, Zeichen *p)
{
    auto istZiffer = [](Zeichen c) { return c >= Zeichen('0') && c <= Zeichen('9'); };
    auto drei = [&p](qsizetype n) {
        if (n >= 1000) {
            const QByteArray zahl = QByteArray::number(n);
            for (const char c : zahl)
                *p++ = Zeichen(c);
            return;
        }
        *p++ = Zeichen('0' + n / 100);
        *p++ = Zeichen('0' + n / 10 % 10);
        *p++ = Zeichen('0' + n % 10);
    };
    while (q < ende) {
        if (!istZiffer(*q)) {
            *p++ = *q++;
            continue;
        }
        const Zeichen *lauf = q;
        while (lauf < ende && istZiffer(*lauf))
            ++lauf;
        const Zeichen *ziffern = q;
        while (ziffern < lauf && *ziffern == Zeichen('0'))
            ++ziffern;
        drei(lauf - ziffern);
        p = std::copy(ziffern, lauf, p);
        drei(ziffern - q);
        q = lauf;
    }
    return p;
}

} // namespace

QString nxNatuerlicherSchluessel(const QString &text)
{
    QVarLengthArray<char16_t, 512> puffer(text.size() * 7);
    const char16_t *q = reinterpret_cast<const char16_t *>(text.utf16());
    const char16_t *ende = natuerlichSchreiben(q, q + text.size(), puffer.data());
    return QString(reinterpret_cast<const QChar *>(puffer.data()), ende - puffer.data());
}

namespace {

qsizetype zeichenAnzahl(QStringView t)
{
    qsizetype n = 0;
    for (QChar c : t)
        if (!c.isLowSurrogate())
            ++n;
    return n;
}

QString dreiStellen(qsizetype n)
{
    QString t = QString::number(n);
    return t.size() >= 3 ? t : QString(3 - t.size(), u'0') + t;
}

// Keys that order like byte strings (digits of fixed width, time texts, "0"/"1") take the
// cheap byte comparison; it agrees with the text order on them and keeps the "????" of a
// time before 1900 after every real time.
bool bytesOrdnung(QChar code)
{
    return code == u'V' || code == u'H' || code == u'Ä' || code == u'Z' || code == u'1' || code == u'2'
           || code == u'3' || code == u'6';
}

// The cell whose natural key is the key text of a code; -1 for the other codes.
int natuerlicheZelle(QChar code)
{
    switch (code.unicode()) {
    case u'P':
        return AZelle::Pfad;
    case u'N':
        return AZelle::Name;
    case u'F':
        return AZelle::Format;
    case u'B':
        return AZelle::Bytes;
    default:
        return -1;
    }
}

// nxNatuerlicherSchluessel on UTF-8 bytes, appended to aus. Digits are single bytes that
// are never part of a longer sequence, so for valid UTF-8 this is the UTF-8 form of the
// natural key of the decoded text.
void natuerlichUtf8Anhaengen(QByteArrayView text, QByteArray &aus)
{
    const qsizetype alt = aus.size();
    aus.resize(alt + 7 * text.size());
    char *anfang = aus.data() + alt;
    aus.resize(alt + (natuerlichSchreiben(text.data(), text.data() + text.size(), anfang) - anfang));
}

} // namespace

QString nxSortSchluesselText(const ListenDaten &l, int zeile, QChar code)
{
    switch (code.unicode()) {
    case u'V':
        return l.Verz(zeile) ? QStringLiteral("0") : QStringLiteral("1");
    case u'P':
        return nxNatuerlicherSchluessel(l.Zelle(zeile, AZelle::Pfad));
    case u'N':
        return nxNatuerlicherSchluessel(l.Zelle(zeile, AZelle::Name));
    case u'F':
        return nxNatuerlicherSchluessel(l.Zelle(zeile, AZelle::Format));
    case u'B':
        return nxNatuerlicherSchluessel(l.Zelle(zeile, AZelle::Bytes));
    case u'A':
        return nxZelleAnzeige(SpaltenTyp::Attribute, l.Zelle(zeile, AZelle::Attribute));
    case u'H':
        return l.Zelle(zeile, AZelle::ZeitH);
    case u'Ä':
        return l.Zelle(zeile, AZelle::ZeitA);
    case u'Z':
        return l.Zelle(zeile, AZelle::ZeitZ);
    case u'1':
        return dreiStellen(zeichenAnzahl(l.Zelle(zeile, AZelle::Pfad)) + zeichenAnzahl(l.Zelle(zeile, AZelle::Name)));
    case u'2':
        return dreiStellen(zeichenAnzahl(l.Zelle(zeile, AZelle::Pfad)));
    case u'3':
        return dreiStellen(zeichenAnzahl(l.Zelle(zeile, AZelle::Name)));
    case u'4': {
        QString t;
        for (char32_t c : nxU32AusText(l.Zelle(zeile, AZelle::Name)))
            if (nxZeichenKlasse(c, KlasseBuchstabe))
                t.append(nxTextAusU32(std::u32string_view(&c, 1)));
        return t;
    }
    case u'5': {
        QString t;
        for (QChar c : l.Zelle(zeile, AZelle::Name))
            if (c >= u'0' && c <= u'9')
                t.append(c);
        return nxNatuerlicherSchluessel(t);
    }
    case u'6': {
        const QString pfad = l.Zelle(zeile, AZelle::Pfad);
        qsizetype n = pfad.count(u'/');
        if (pfad.startsWith(QStringLiteral("//")))
            n -= 3; // a network path: "//server/share/" is its root
        return QString::number(n + 200);
    }
    default:
        break;
    }
    return QString();
}

bool nxAuswahlSortieren(ListenDaten &liste, int wahl, bool escErlaubt, const std::function<bool()> &escGedrueckt,
                        Fortschritt *fort)
{
    const int n = liste.Anzahl();
    if (n == 0)
        return true;
    auto esc = [&] { return escErlaubt && escGedrueckt && escGedrueckt(); };
    if (esc())
        return false;
    DebugSchritt schritt(QStringLiteral("AuswahlSortieren"));

    const QString kette = nxSortKette(wahl);
    const bool umgekehrt = wahl >= 1 && wahl <= 28 && wahl % 2 == 0;
    liste.ReihenfolgeIdentitaet();
    std::vector<int> ord = liste.Reihenfolge();

    struct Gruppe
    {
        int von;
        int bis;
    };
    std::vector<Gruppe> gruppen{{1, n}};
    const int stufen = int(kette.size());
    int gezeigt = -1;
    for (int k = 1; k <= stufen && !gruppen.empty(); ++k) {
        const QChar code = kette.at(k - 1);
        std::vector<Gruppe> naechste;
        for (size_t g = 0; g < gruppen.size(); ++g) {
            const int von = gruppen[g].von;
            const int m = gruppen[g].bis - von + 1;
            if (code == u'V') {
                // Two values only: directories to the front, each side in its order, as the
                // stable sort would place them; then the two runs go on.
                auto mitte = std::stable_partition(ord.begin() + von, ord.begin() + von + m,
                                                   [&](int zeile) { return liste.Verz(zeile); });
                const int verz = int(mitte - (ord.begin() + von));
                if (verz >= 2)
                    naechste.push_back({von, von + verz - 1});
                if (m - verz >= 2)
                    naechste.push_back({von + verz, von + m - 1});
                continue;
            }

            // One key for the whole group (the directory of a listing): nothing to order, and
            // the stable sort would give the identity anyway; the group goes on as it is.
            auto ganzeGruppeWeiter = [&] {
                if (umgekehrt)
                    std::reverse(ord.begin() + von, ord.begin() + von + m);
                naechste.push_back({von, von + m - 1});
            };
            SortSchluessel s(m);
            std::vector<QString> schluessel;
            // The natural key of a cell the quick way: built from the stored UTF-8, without
            // texts. It is taken only when every key is made of simple characters, which
            // also means valid UTF-8, so that comparing the bytes is comparing the texts.
            QByteArray nat;
            std::vector<qsizetype> natAnfang;
            bool schnell = false;
            if (const int zelle = natuerlicheZelle(code); zelle >= 0) {
                auto bytes = [&](int i) { return liste.ZelleUtf8(ord[size_t(von + i - 1)], zelle); };
                // Equal cells give equal keys.
                const QByteArrayView erste = bytes(1);
                bool gleicheZellen = true;
                for (int i = 2; i <= m && gleicheZellen; ++i)
                    gleicheZellen = bytes(i) == erste;
                if (gleicheZellen) {
                    ganzeGruppeWeiter();
                    continue;
                }
                nat.reserve(qsizetype(m) * (erste.size() + 8));
                natAnfang.reserve(size_t(m) + 1);
                natAnfang.push_back(0);
                for (int i = 1; i <= m; ++i) {
                    natuerlichUtf8Anhaengen(bytes(i), nat);
                    natAnfang.push_back(nat.size());
                }
                schnell = s.textFeldEinfach([&](int i) {
                    return QByteArrayView(nat).sliced(natAnfang[size_t(i - 1)],
                                                      natAnfang[size_t(i)] - natAnfang[size_t(i - 1)]);
                });
            }

            if (!schnell) {
                schluessel.resize(size_t(m) + 1);
                for (int i = 1; i <= m; ++i)
                    schluessel[size_t(i)] = nxSortSchluesselText(liste, ord[size_t(von + i - 1)], code);

                bool alleGleich = true;
                for (int i = 2; i <= m && alleGleich; ++i)
                    alleGleich = schluessel[size_t(i)] == schluessel[1];
                if (alleGleich) {
                    ganzeGruppeWeiter();
                    continue;
                }

                if (bytesOrdnung(code))
                    s.bytesFeld([&](int i) { return schluessel[size_t(i)].toUtf8(); });
                else
                    s.textFeld([&](int i) { return schluessel[size_t(i)]; });
            }
            std::optional<Permutation> perm = nxFeldSortieren(s, escErlaubt ? fort : nullptr);
            if (!perm)
                return false;
            if (umgekehrt && code != u'V')
                std::reverse(perm->begin() + 1, perm->end());

            std::vector<int> neu(static_cast<size_t>(m));
            for (int i = 1; i <= m; ++i)
                neu[size_t(i - 1)] = ord[size_t(von + (*perm)[size_t(i)] - 1)];
            std::copy(neu.begin(), neu.end(), ord.begin() + von);

            // Runs of byte-equal keys go on to the next key (a and b: numbers before the sort).
            auto gleich = [&](int a, int b) {
                if (!schnell)
                    return schluessel[size_t(a)] == schluessel[size_t(b)];
                const qsizetype la = natAnfang[size_t(a)] - natAnfang[size_t(a - 1)];
                return la == natAnfang[size_t(b)] - natAnfang[size_t(b - 1)]
                       && std::memcmp(nat.constData() + natAnfang[size_t(a - 1)],
                                      nat.constData() + natAnfang[size_t(b - 1)], size_t(la))
                              == 0;
            };
            for (int a = 1; a <= m;) {
                int b = a + 1;
                while (b <= m && gleich((*perm)[size_t(b)], (*perm)[size_t(a)]))
                    ++b;
                if (b - a >= 2)
                    naechste.push_back({von + a - 1, von + b - 2});
                a = b;
            }

            const int wert = int(60.0 * ((k - 1) + double(g + 1) / double(gruppen.size())) / stufen);
            if (fort && wert != gezeigt) {
                gezeigt = wert;
                fort->FortSchritt(60, wert, 0, 0);
                if (escErlaubt && fort->Abbruch)
                    return false;
            }
            if (esc())
                return false;
        }
        gruppen = std::move(naechste);
    }
    liste.ReihenfolgeSetzen(std::move(ord));
    return true;
}

} // namespace rinolux
