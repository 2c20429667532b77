#include "core/engine/TeilRegelAnwenden.h"

#include "core/engine/VorschauPruefung.h"
#include "core/util/nx_U32Text.h"

#include <numeric>

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
    if (regel.buchstabe == u'w')
        m_wText =
            WasAnderesText(regel.buchstabe, m_wert, {}, EintragTexte{}, regel.richtung, zufall).value_or(U"");
    {
        ZeitRegelFelder felder;
        felder.zeitWert = regel.zeit.wert;
        felder.einheit = regel.zeit.einheit;
        felder.betrag = regel.zeit.diff;
        felder.quelle = QChar(char16_t(regel.zeit.quelle));
        m_zeit = ZeitRegelLesen(regel.code, felder);
    }
    switch (regel.code) {
    case 214:
    case 224:
        m_formel = FormelLesen(nxU32AusText(regel.formel));
        if (m_formel.formeln) {
            m_festeLaenge = m_formel.formeln->textDavor.size();
            for (const Formel &f : m_formel.formeln->formeln)
                m_festeLaenge += f.textDanach.size();
        }
        break;
    case 212:
    case 222:
        m_zeilen = U32Zeilen(regel.liste.zeilen);
        m_vorText = nxU32AusText(regel.liste.vor);
        m_nachText = nxU32AusText(regel.liste.nach);
        m_festeLaenge = m_vorText.size() + m_nachText.size();
        break;
    case 213:
    case 223:
        m_startWert = WertZerlegen(nxU32AusText(regel.nummer.start));
        m_erhoehung = ErhoehungLesen(nxU32AusText(regel.nummer.diff));
        m_vorText = nxU32AusText(regel.nummer.vor);
        m_nachText = nxU32AusText(regel.nummer.nach);
        m_festeLaenge = m_vorText.size() + m_nachText.size();
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
        std::optional<std::u32string> frei = FreierName(vorn, m_zeilen, werte.zeile, hinten);
        if (frei->size() > NamensGrenze) {
            fehler = NeuerPfadNameZuLangText;
            return std::nullopt;
        }
        return frei;
    }

    // Every text is measured before it is built: the name may grow up to NamensGrenze.
    const std::size_t aussen = vorn.size() + hinten.size();
    const auto passt = [aussen](std::size_t laenge) {
        return aussen <= NamensGrenze && laenge <= NamensGrenze - aussen;
    };
    bool zuLang = false;
    const auto zuLangFehler = [&fehler]() {
        fehler = NeuerPfadNameZuLangText;
        return std::nullopt;
    };
    // The length of the work part while its pieces are replaced (pieces never overlap); the
    // first replacement that would reach beyond the limit stops the rule before it is built.
    std::size_t ersetzt = teil.size();
    const auto ersatzPasst = [&](std::u32string_view stueck, std::size_t laenge) {
        if (passt(ersetzt - stueck.size() + laenge))
            return true;
        zuLang = true;
        return false;
    };
    const auto begrenzt = [&](std::u32string_view stueck,
                              std::optional<std::u32string> t) -> std::optional<std::u32string> {
        if (t) {
            if (!ersatzPasst(stueck, t->size()))
                return std::nullopt;
            ersetzt = ersetzt - stueck.size() + t->size();
        }
        return t;
    };
    const bool fest = m_regel.buchstabe == u'w';

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
        // An empty work part becomes the text; otherwise it goes to every insert position.
        const std::size_t stellen = teil.empty() ? 1 : positionen.einfuegeStellen.size();
        const bool wasAnderes = code == 211 || code == 215;
        // Texts around every word or number that are already too long fail every row that
        // has an insert position; the counters then no longer matter.
        if (!wasAnderes && !passt(m_festeLaenge)) {
            if (stellen == 0) {
                neu = std::u32string(teil);
                break;
            }
            return zuLangFehler();
        }
        // Computed also without an insert position: running numbers count every entry.
        const std::optional<std::u32string> t =
            wasAnderes ? (fest ? std::optional<std::u32string>(m_wText)
                               : WasAnderesText(m_regel.buchstabe, wert, std::u32string_view(), texte,
                                                m_regel.richtung, *m_zufall))
                       : eintragsText(werte);
        if (t && stellen != 0 && (t->size() > NamensGrenze || !passt(teil.size() + stellen * t->size())))
            return zuLangFehler();
        if (t)
            neu = TextEinfuegen(teil, positionen.einfuegeStellen, *t, m_regel.hinVH, m_regel.richtung,
                                m_regel.davorLoeschen, m_regel.dahinterLoeschen);
        break;
    }
    case 219: {
        const std::u32string &fuell = m_auffuellText;
        neu = StueckeErsetzen(
            teil, positionen.stuecke, [&](std::u32string_view stueck) -> std::optional<std::u32string> {
                // A piece is filled up to the length of the fill text.
                if (!ersatzPasst(stueck, std::max(stueck.size(), fuell.size())))
                    return std::nullopt;
                return begrenzt(stueck, StueckAuffuellen(stueck, fuell, m_regel.auffuellRichtung));
            });
        break;
    }
    case 221:
    case 225:
        // The text of "was anderes" starts from each piece's own text.
        neu = StueckeErsetzen(
            teil, positionen.stuecke, [&](std::u32string_view stueck) -> std::optional<std::u32string> {
                if (fest && !ersatzPasst(stueck, m_wText.size()))
                    return std::nullopt;
                return begrenzt(stueck, fest ? std::optional<std::u32string>(m_wText)
                                             : WasAnderesText(m_regel.buchstabe, wert, stueck, texte,
                                                              m_regel.richtung, *m_zufall));
            });
        break;
    case 222:
    case 223:
    case 224: {
        // One word or number per entry, the same for every piece.
        if (!passt(m_festeLaenge)) {
            if (positionen.stuecke.empty()) {
                neu = std::u32string(teil);
                break;
            }
            return zuLangFehler();
        }
        const std::optional<std::u32string> t = eintragsText(werte);
        if (t && t->size() > NamensGrenze && !positionen.stuecke.empty())
            return zuLangFehler();
        if (t)
            neu = StueckeErsetzen(teil, positionen.stuecke,
                                  [&](std::u32string_view stueck) -> std::optional<std::u32string> {
                                      if (!ersatzPasst(stueck, t->size()))
                                          return std::nullopt;
                                      return begrenzt(stueck, *t);
                                  });
        break;
    }
    case 229:
        neu =
            ZeichenListenAnwenden(teil, positionen.bereich.von, positionen.bereich.bis, m_zeichenListen,
                                  m_regel.richtung == 1, aussen <= NamensGrenze ? NamensGrenze - aussen : 0);
        zuLang = !neu;
        break;
    case 231:
        neu = Umdrehen(teil, positionen.stuecke, m_regel.reihenfolge);
        break;
    case 232:
    case 233: {
        // The joined pieces go to every target; moving takes them out once.
        const std::size_t stuecke = std::accumulate(
            positionen.stuecke.cbegin(), positionen.stuecke.cend(), std::size_t(0),
            [](std::size_t n, const Zelle &z) { return n + std::size_t(std::max(z.laenge, 0)); });
        const std::size_t je = std::min(stuecke, teil.size());
        const std::size_t ziele = positionen.ziele.size();
        if (je != 0 && ziele > NamensGrenze / je)
            return zuLangFehler();
        const std::size_t laenge =
            code == 232 && ziele > 0 ? teil.size() + (ziele - 1) * je : teil.size() + ziele * je;
        if (!passt(laenge))
            return zuLangFehler();
        neu = VerschiebenKopieren(teil, positionen.stuecke, positionen.ziele, m_regel.nachVH,
                                  m_regel.richtung, code == 232);
        break;
    }
    case 234:
        neu = Tauschen(teil, positionen.bereich, positionen.bereich2);
        break;
    default:
        fehler = QStringLiteral("Die Regel ist veraltet und kann nicht mehr verwendet werden.");
        return std::nullopt;
    }
    if (zuLang)
        return zuLangFehler();
    if (!neu)
        fehler = NummerZuGrossText();
    else if (!passt(neu->size()))
        return zuLangFehler();
    return neu;
}

ZeilenErgebnis TeilRegelLauf::name(const ZeilenWerte &werte)
{
    nxU32AusTextSetzen(werte.neuerName, m_name);
    TeilRegelStellen s = StellenFuerTeilRegel(m_name, m_plan);
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
    neu->resize(ErgebnisBereinigtLaenge(*neu)); // cleaned in place
    return ZeilenErgebnis{nxTextAusU32(*neu), {}};
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
    ZeilenErgebnis e{ZeitNeu(m_regel.code, m_zeit, werte.zeiten, werte.zeile), {}};
    if (!m_zeit.betragPasst) {
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
