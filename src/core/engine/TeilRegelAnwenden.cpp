#include "core/engine/TeilRegelAnwenden.h"

#include "core/util/nx_U32Text.h"

namespace rinolux {

namespace {

std::vector<std::u32string> U32Zeilen(const QStringList &zeilen)
{
    std::vector<std::u32string> ergebnis;
    ergebnis.reserve(std::size_t(zeilen.size()));
    for (const QString &z : zeilen)
        ergebnis.push_back(nxU32AusText(z));
    return ergebnis;
}

EintragTexte Texte(const ZeilenWerte &werte)
{
    return EintragTexte{werte.pfad, werte.name, werte.groesse, werte.zeiten.herstellung, werte.zeiten.aenderung};
}

ZeilenErgebnis Fehler(const QString &name, const QString &text)
{
    return ZeilenErgebnis{name, text};
}

QString NichtMoeglichText()
{
    return QStringLiteral("auf diesem System nicht möglich");
}

} // namespace

TeilRegelLauf::TeilRegelLauf(const TeilRegel &regel, bool suchErgebnis, ZufallsQuelle &zufall)
    : m_regel(regel), m_jeVerzeichnis(regel.nrUnterverz && suchErgebnis), m_zufall(&zufall)
{
    switch (regel.code) {
    case 214:
    case 224:
        m_formel = FormelLesen(nxU32AusText(regel.formel));
        break;
    case 212:
    case 222:
        m_zeilen = U32Zeilen(regel.liste.zeilen);
        break;
    case 209:
        m_zeilen = U32Zeilen(regel.freiZeilen);
        break;
    case 229:
        m_zeichenListen = ZeichenListenLesen(nxU32AusText(regel.filterAlt), nxU32AusText(regel.filterNeu));
        break;
    default:
        break;
    }
}

std::optional<QString> TeilRegelLauf::regelFehler() const
{
    if ((m_regel.code == 214 || m_regel.code == 224) && !m_formel.formeln)
        return m_formel.fehler.text();
    return std::nullopt;
}

qint64 TeilRegelLauf::ueberschuss(qint64 reihen) const
{
    if (m_regel.code == 209)
        return FreieNamenUeberschuss(qint64(m_zeilen.size()), reihen);
    if (m_regel.code == 229)
        return ZeichenListenUeberschuss(m_zeichenListen);
    return 0;
}

std::optional<std::u32string> TeilRegelLauf::eintragsText(const ZeilenWerte &werte)
{
    switch (m_regel.code) {
    case 212:
    case 222:
        return ListenText(nxU32AusText(m_regel.liste.vor), m_zeilen, werte.zeile, m_regel.wiederholen,
                          nxU32AusText(m_regel.liste.nach));
    case 213:
    case 223:
        return LaufendeNummer(nxU32AusText(m_regel.nummer.vor), nxU32AusText(m_regel.nummer.start),
                              nxU32AusText(m_regel.nummer.diff), nxU32AusText(m_regel.nummer.nach),
                              m_zaehler.weiter(m_jeVerzeichnis, werte.verzeichnisNummer));
    case 214:
    case 224:
        if (!m_formel.formeln)
            return std::nullopt;
        return VerschachtelteNummer(*m_formel.formeln, m_zaehler.weiter(m_jeVerzeichnis, werte.verzeichnisNummer));
    default:
        return std::u32string();
    }
}

ZeilenErgebnis TeilRegelLauf::teileNeu(std::u32string_view vorn, std::u32string_view teil, std::u32string_view hinten,
                                       const NamensPositionen &positionen, const ZeilenWerte &werte)
{
    const int code = m_regel.code;
    if (const auto fehler = regelFehler())
        return Fehler(werte.neuerName, *fehler);
    if (code == 209) {
        // Past the end of the list the whole name is empty, so the row fails the name check.
        return ZeilenErgebnis{nxTextAusU32(FreierName(vorn, m_zeilen, werte.zeile, hinten)), {}};
    }

    const EintragTexte texte = Texte(werte);
    const std::u32string wert = nxU32AusText(m_regel.wert);
    std::optional<std::u32string> neu;
    switch (code) {
    case 207:
        neu = StueckeBehalten(teil, positionen.stuecke);
        break;
    case 208:
        neu = StueckeEntfernen(teil, positionen.stuecke);
        break;
    case 211:
    case 215:
    case 212:
    case 213:
    case 214: {
        const std::optional<std::u32string> t =
            code == 211 || code == 215
                ? WasAnderesText(m_regel.buchstabe, wert, std::u32string_view(), texte, m_regel.richtung, *m_zufall)
                : eintragsText(werte);
        if (t)
            neu = TextEinfuegen(teil, positionen.einfuegeStellen, *t, m_regel.hinVH, m_regel.richtung,
                                m_regel.davorLoeschen, m_regel.dahinterLoeschen);
        break;
    }
    case 219: {
        const std::u32string fuell = nxU32AusText(m_regel.auffuellText);
        neu = StueckeErsetzen(teil, positionen.stuecke, [&](std::u32string_view stueck) -> std::optional<std::u32string> {
            return StueckAuffuellen(stueck, fuell, m_regel.auffuellRichtung);
        });
        break;
    }
    case 221:
    case 225:
        // The text of "was anderes" starts from each piece's own text.
        neu = StueckeErsetzen(teil, positionen.stuecke, [&](std::u32string_view stueck) {
            return WasAnderesText(m_regel.buchstabe, wert, stueck, texte, m_regel.richtung, *m_zufall);
        });
        break;
    case 222:
    case 223:
    case 224: {
        // One word or number per entry, the same for every piece.
        const std::optional<std::u32string> t = eintragsText(werte);
        if (t)
            neu = StueckeErsetzen(teil, positionen.stuecke,
                                  [&](std::u32string_view) -> std::optional<std::u32string> { return *t; });
        break;
    }
    case 229:
        neu = ZeichenListenAnwenden(teil, positionen.bereich.von, positionen.bereich.bis, m_zeichenListen,
                                    m_regel.richtung == 1);
        break;
    case 231:
        neu = Umdrehen(teil, positionen.stuecke, m_regel.reihenfolge);
        break;
    case 232:
    case 233:
        neu = VerschiebenKopieren(teil, positionen.stuecke, positionen.ziele, m_regel.nachVH, m_regel.richtung,
                                  code == 232);
        break;
    case 234:
        neu = Tauschen(teil, positionen.bereich, positionen.bereich2);
        break;
    default:
        return Fehler(werte.neuerName, QStringLiteral("Die Regel ist veraltet und kann nicht mehr verwendet werden."));
    }
    if (!neu)
        return Fehler(werte.neuerName, NummerZuGrossText());

    std::u32string name(vorn);
    name += *neu;
    name += hinten;
    return ZeilenErgebnis{nxTextAusU32(name), {}};
}

ZeilenErgebnis TeilRegelLauf::name(const ZeilenWerte &werte)
{
    const TeilRegelStellen s = StellenFuerTeilRegel(nxU32AusText(werte.neuerName), m_regel);
    NamensPositionen p;
    p.bereich = s.bereich;
    p.stuecke = s.stuecke;
    p.einfuegeStellen = s.einfuegen;
    const bool links = m_regel.richtung == 0;
    if (m_regel.code == 232 || m_regel.code == 233) {
        // Targets are found before anything moves; "das nächste"/"das vorige" count from the
        // range, whose end reaches over the whole bis cell.
        std::optional<Bezug> bezug;
        if (!s.bereich.leer())
            bezug = Bezug{s.bereich.von, s.bereich.bis + (s.bereich.bisZelle ? s.bereich.bisZelle->laenge - 1 : 0)};
        p.ziele = StelleAufloesen(s.teile.arbeit, m_regel.nachStelle, links, bezug);
    }
    if (m_regel.code == 234)
        p.bereich2 = BereichFinden(s.teile.arbeit, m_regel.tauschVon, m_regel.tauschBis, m_regel.tauschenLR == 0);

    ZeilenErgebnis e = teileNeu(s.teile.vorne, s.teile.arbeit, s.teile.hinten, p, werte);
    if (e.ok())
        e.wert = nxTextAusU32(ErgebnisBereinigen(nxU32AusText(e.wert)));
    return e;
}

ZeilenErgebnis TeilRegelLauf::attribute(const ZeilenWerte &werte) const
{
    const auto buchstabe = [this](int i) { return QChar(char16_t(m_regel.attribute[std::size_t(i)])); };
    // The record keeps hidden, read-only, system, archive in this order.
    const AttributBuchstaben wahl{buchstabe(0), buchstabe(1), buchstabe(2), buchstabe(3)};
    const AttributErgebnis e = AttributNeu(werte.attribute, werte.name, wahl);
    return ZeilenErgebnis{QString::number(e.wert), e.fehler};
}

ZeilenErgebnis TeilRegelLauf::zeit(const ZeilenWerte &werte) const
{
    ZeitRegelFelder felder;
    felder.zeitWert = m_regel.zeit.wert;
    felder.einheit = m_regel.zeit.einheit;
    felder.betrag = m_regel.zeit.diff;
    felder.quelle = QChar(char16_t(m_regel.zeit.quelle));
    ZeilenErgebnis e{ZeitNeu(m_regel.code, felder, werte.zeiten, werte.zeile), {}};
#ifndef Q_OS_WIN
    // The creation time can be read here but never set.
    if (m_regel.code / 10 == 12)
        e.fehler = NichtMoeglichText();
#endif
    return e;
}

} // namespace rinolux
