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
    return EintragTexte{werte.pfad, werte.name, werte.groesse, werte.zeiten.herstellung,
                        werte.zeiten.aenderung};
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
    : m_regel(regel), m_plan(TeilRegelPlanen(regel)), m_nachStelle(StelleVorbereiten(regel.nachStelle, regel.richtung == 0)),
      m_tauschVon(StelleVorbereiten(regel.tauschVon, regel.tauschenLR == 0)),
      m_tauschBis(StelleVorbereiten(regel.tauschBis, regel.tauschenLR == 0)), m_wert(nxU32AusText(regel.wert)),
      m_auffuellText(nxU32AusText(regel.auffuellText)), m_jeVerzeichnis(regel.nrUnterverz && suchErgebnis),
      m_zufall(&zufall)
{
    switch (regel.code) {
    case 214:
    case 224:
        m_formel = FormelLesen(nxU32AusText(regel.formel));
        break;
    case 212:
    case 222:
        m_zeilen = U32Zeilen(regel.liste.zeilen);
        m_vorText = nxU32AusText(regel.liste.vor);
        m_nachText = nxU32AusText(regel.liste.nach);
        break;
    case 213:
    case 223:
        m_startWert = WertZerlegen(nxU32AusText(regel.nummer.start));
        m_erhoehung = ErhoehungLesen(nxU32AusText(regel.nummer.diff));
        m_vorText = nxU32AusText(regel.nummer.vor);
        m_nachText = nxU32AusText(regel.nummer.nach);
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
        return ListenText(m_vorText, m_zeilen, werte.zeile, m_regel.wiederholen, m_nachText);
    case 213:
    case 223:
        return LaufendeNummer(m_vorText, m_startWert, m_erhoehung, m_nachText,
                              m_zaehler.weiter(m_jeVerzeichnis, werte.verzeichnisNummer));
    case 214:
    case 224:
        if (!m_formel.formeln)
            return std::nullopt;
        return VerschachtelteNummer(*m_formel.formeln,
                                    m_zaehler.weiter(m_jeVerzeichnis, werte.verzeichnisNummer));
    default:
        return std::u32string();
    }
}

ZeilenErgebnis TeilRegelLauf::teileNeu(std::u32string_view vorn, std::u32string_view teil,
                                       std::u32string_view hinten, const NamensPositionen &positionen,
                                       const ZeilenWerte &werte)
{
    QString fehler;
    const std::optional<std::u32string> neu = neuerTeil(vorn, teil, hinten, positionen, werte, fehler);
    if (!neu)
        return Fehler(werte.neuerName, fehler);
    if (m_regel.code == 209)
        return ZeilenErgebnis{nxTextAusU32(*neu), {}};
    std::u32string name(vorn);
    name += *neu;
    name += hinten;
    return ZeilenErgebnis{nxTextAusU32(name), {}};
}

std::optional<std::u32string> TeilRegelLauf::neuerTeil(std::u32string_view vorn, std::u32string_view teil,
                                                       std::u32string_view hinten, const NamensPositionen &positionen,
                                                       const ZeilenWerte &werte, QString &fehler)
{
    const int code = m_regel.code;
    if (const auto f = regelFehler()) {
        fehler = *f;
        return std::nullopt;
    }
    if (code == 209) {
        // Past the end of the list the whole name is empty, so the row fails the name check.
        return FreierName(vorn, m_zeilen, werte.zeile, hinten);
    }

    const EintragTexte texte = Texte(werte);
    const std::u32string &wert = m_wert;
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
            code == 211 || code == 215 ? WasAnderesText(m_regel.buchstabe, wert, std::u32string_view(), texte,
                                                        m_regel.richtung, *m_zufall)
                                       : eintragsText(werte);
        if (t)
            neu = TextEinfuegen(teil, positionen.einfuegeStellen, *t, m_regel.hinVH, m_regel.richtung,
                                m_regel.davorLoeschen, m_regel.dahinterLoeschen);
        break;
    }
    case 219: {
        const std::u32string &fuell = m_auffuellText;
        neu = StueckeErsetzen(teil, positionen.stuecke,
                              [&](std::u32string_view stueck) -> std::optional<std::u32string> {
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
        neu = VerschiebenKopieren(teil, positionen.stuecke, positionen.ziele, m_regel.nachVH,
                                  m_regel.richtung, code == 232);
        break;
    case 234:
        neu = Tauschen(teil, positionen.bereich, positionen.bereich2);
        break;
    default:
        fehler = QStringLiteral("Die Regel ist veraltet und kann nicht mehr verwendet werden.");
        return std::nullopt;
    }
    if (!neu)
        fehler = NummerZuGrossText();
    return neu;
}

ZeilenErgebnis TeilRegelLauf::name(const ZeilenWerte &werte)
{
    TeilRegelStellen s = StellenFuerTeilRegel(nxU32AusText(werte.neuerName), m_plan);
    NamensPositionen p;
    p.bereich = s.bereich;
    p.stuecke = std::move(s.stuecke);
    p.einfuegeStellen = std::move(s.einfuegen);
    if (m_regel.code == 232 || m_regel.code == 233) {
        // Targets are found before anything moves; "das nächste"/"das vorige" count from the
        // range, whose end reaches over the whole bis cell.
        std::optional<Bezug> bezug;
        if (!s.bereich.leer())
            bezug = Bezug{s.bereich.von,
                          s.bereich.bis + (s.bereich.bisZelle ? s.bereich.bisZelle->laenge - 1 : 0)};
        p.ziele = StelleAufloesen(s.teile.arbeit, m_nachStelle, bezug);
    }
    if (m_regel.code == 234)
        p.bereich2 = BereichFinden(s.teile.arbeit, m_tauschVon, m_tauschBis);

    QString fehler;
    std::optional<std::u32string> neu = neuerTeil(s.teile.vorne, s.teile.arbeit, s.teile.hinten, p, werte, fehler);
    if (!neu)
        return Fehler(werte.neuerName, fehler);
    if (m_regel.code != 209) {
        neu->insert(0, s.teile.vorne);
        *neu += s.teile.hinten;
    }
    return ZeilenErgebnis{nxTextAusU32(ErgebnisBereinigen(*neu)), {}};
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
    if (!ZeitBetragPasst(m_regel.code, felder)) {
        e.fehler = NummerZuGrossText();
        return e;
    }
#ifndef Q_OS_WIN
    // The creation time can be read here but never set.
    if (m_regel.code / 10 == 12)
        e.fehler = NichtMoeglichText();
#endif
    return e;
}

} // namespace rinolux
