#include "core/engine/Wortlisten.h"

#include "core/engine/TextTeile.h"

#include <algorithm>

namespace rinolux {

std::u32string WortFuerZeile(const std::vector<std::u32string> &zeilen, qint64 zeile, bool wiederholen)
{
    const qint64 n = qint64(zeilen.size());
    if (n == 0 || zeile < 1)
        return {};
    if (!wiederholen)
        return zeile <= n ? zeilen[std::size_t(zeile - 1)] : std::u32string();
    return zeilen[std::size_t((zeile - 1) % n)];
}

std::u32string ListenText(std::u32string_view davor, const std::vector<std::u32string> &zeilen, qint64 zeile,
                          bool wiederholen, std::u32string_view danach)
{
    std::u32string text(davor);
    text += WortFuerZeile(zeilen, zeile, wiederholen);
    text += danach;
    return text;
}

std::u32string FreierName(std::u32string_view vorn, const std::vector<std::u32string> &zeilen, qint64 zeile,
                          std::u32string_view hinten)
{
    if (zeile < 1 || zeile > qint64(zeilen.size()))
        return {};
    std::u32string text(vorn);
    text += zeilen[std::size_t(zeile - 1)];
    text += hinten;
    return text;
}

qint64 FreieNamenUeberschuss(qint64 zeilenAnzahl, qint64 reihenAnzahl)
{
    return zeilenAnzahl - reihenAnzahl;
}

std::u32string StueckAuffuellen(std::u32string_view stueck, std::u32string_view fuellText, int richtung)
{
    const std::size_t l = fuellText.size();
    const std::size_t p = stueck.size();
    if (p >= l)
        return std::u32string(stueck);
    const std::size_t d = l - p;
    std::size_t links = 0;
    std::size_t rechts = 0;
    switch (richtung) {
    case 0:
        links = d;
        break;
    case 1:
        rechts = d;
        break;
    case 2:
        // The odd character goes to the left.
        rechts = d / 2;
        links = d - rechts;
        break;
    default:
        return std::u32string(stueck);
    }
    std::u32string neu(fuellText.substr(0, links));
    neu += stueck;
    neu += fuellText.substr(l - rechts);
    return neu;
}

ZeichenListen ZeichenListenLesen(std::u32string_view altFeld, std::u32string_view neuFeld)
{
    return ZeichenListen{TextTeilen(altFeld, U"|:", false), TextTeilen(neuFeld, U"|:", true)};
}

qint64 ZeichenListenUeberschuss(const ZeichenListen &listen)
{
    return qint64(listen.neu.size()) - qint64(listen.alt.size());
}

std::optional<std::u32string> ZeichenListenAnwenden(std::u32string_view text, qint64 von, qint64 bis,
                                                    const ZeichenListen &listen, bool vonRechts,
                                                    std::size_t grenze)
{
    const qint64 laenge = qint64(text.size());
    if (von < 1 || bis < von || bis > laenge)
        return std::u32string(text);
    const std::u32string_view bereich = text.substr(std::size_t(von - 1), std::size_t(bis - von + 1));
    const std::size_t b = bereich.size();
    // What stays outside the range counts against the limit from the start.
    const std::size_t aussen = text.size() - b;
    if (aussen > grenze)
        return std::nullopt;
    const std::size_t innenGrenze = grenze - aussen;

    auto ersatz = [&](std::size_t i) -> std::u32string_view {
        return i < listen.neu.size() ? std::u32string_view(listen.neu[i]) : std::u32string_view();
    };

    std::u32string ausgabe;
    if (!vonRechts) {
        std::size_t pos = 0;
        while (pos < b) {
            std::size_t treffer = listen.alt.size();
            for (std::size_t i = 0; i < listen.alt.size(); ++i) {
                if (bereich.substr(pos).starts_with(listen.alt[i])) {
                    treffer = i;
                    break;
                }
            }
            if (treffer < listen.alt.size()) {
                if (ersatz(treffer).size() > innenGrenze - ausgabe.size())
                    return std::nullopt;
                ausgabe += ersatz(treffer);
                pos += listen.alt[treffer].size();
            } else {
                ausgabe += bereich[pos];
                ++pos;
            }
            if (ausgabe.size() > innenGrenze)
                return std::nullopt;
        }
    } else {
        // Built from the right: pieces are collected back to front and reversed once.
        std::vector<std::u32string_view> stuecke;
        std::size_t summe = 0;
        std::size_t ende = b; // one behind the position
        while (ende > 0) {
            std::size_t treffer = listen.alt.size();
            for (std::size_t i = 0; i < listen.alt.size(); ++i) {
                if (bereich.substr(0, ende).ends_with(listen.alt[i])) {
                    treffer = i;
                    break;
                }
            }
            if (treffer < listen.alt.size()) {
                stuecke.push_back(ersatz(treffer));
                ende -= listen.alt[treffer].size();
            } else {
                stuecke.push_back(bereich.substr(ende - 1, 1));
                --ende;
            }
            summe += stuecke.back().size();
            if (summe > innenGrenze)
                return std::nullopt;
        }
        std::reverse(stuecke.begin(), stuecke.end());
        for (const auto s : stuecke)
            ausgabe += s;
    }

    std::u32string ergebnis(text.substr(0, std::size_t(von - 1)));
    ergebnis += ausgabe;
    ergebnis += text.substr(std::size_t(bis));
    return ergebnis;
}

} // namespace rinolux
