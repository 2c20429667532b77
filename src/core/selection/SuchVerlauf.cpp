#include "core/selection/SuchVerlauf.h"

#include "core/util/nx_Format.h"

namespace rinolux {

namespace {

QStringList nichtLeer(const QStringList &zeilen)
{
    QStringList aus;
    for (QString z : zeilen) {
        if (z.endsWith(u'\r'))
            z.chop(1);
        if (!z.trimmed().isEmpty())
            aus.append(SuchFeldText(z));
    }
    return aus;
}

const QChar Tab = u'\t';

QString einsNull(bool an) { return an ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

SuchVerlaufEintrag nxSuchVerlaufEintrag(const SuchAuftrag &a)
{
    SuchVerlaufEintrag e;
    e.verzeichnis = SuchFeldText(a.verzeichnis);
    const QString mit = SuchFeldText(a.mit);
    switch (a.art) {
    case SuchArt::Einfach:
        e.art = QStringLiteral("1");
        e.anzeige = mit;
        e.daten = QStringLiteral("4711");
        break;
    case SuchArt::Erweitert: {
        e.art = QStringLiteral("6");
        const QString ohne = SuchFeldText(a.ohne);
        QString d = ohne + Tab + QChar::fromLatin1(char(a.verzWahl));
        for (const SuchDatum &dt : a.datum)
            d += einsNull(dt.an);
        d += einsNull(a.bytesAn) + einsNull(a.attributeAn) + Tab;
        QString anzeige = mit;
        if (!ohne.isEmpty())
            anzeige += QStringLiteral("     ohne ") + ohne;
        static const char Zeiten[3] = {'H', 'A', 'Z'};
        bool datum = false;
        for (size_t k = 0; k < 3; ++k) {
            const SuchDatum &dt = a.datum[k];
            if (!dt.an)
                continue;
            for (const QString *f : {&dt.tagVon, &dt.monatVon, &dt.jahrVon, &dt.tagBis, &dt.monatBis, &dt.jahrBis})
                d += SuchFeldText(*f) + Tab;
            if (!datum)
                anzeige += QStringLiteral("     mit Datum");
            datum = true;
            anzeige += u' ' + QChar::fromLatin1(Zeiten[k]);
        }
        if (a.bytesAn) {
            d += SuchFeldText(a.bytesVon) + Tab + SuchFeldText(a.bytesBis) + Tab;
            anzeige += QStringLiteral("     mit Bytes von ") + SuchFeldText(a.bytesVon) + QStringLiteral(" bis ")
                       + SuchFeldText(a.bytesBis);
        }
        if (a.attributeAn) {
            for (const SuchAttWahl w : a.attribute)
                d += QChar::fromLatin1(char(w));
            d += Tab;
            anzeige += QStringLiteral("     mit Attributen");
        }
        d += mit + Tab + u':';
        e.anzeige = anzeige;
        e.daten = d;
        break;
    }
    case SuchArt::Liste: {
        e.art = QStringLiteral("7");
        const QStringList zeilen = nichtLeer(a.listenZeilen);
        e.anzeige = QString::number(zeilen.size()) + QStringLiteral(" Eintragungen: ")
                    + (zeilen.isEmpty() ? QString() : zeilen.first());
        for (const QString &z : zeilen)
            e.daten += z + Tab;
        break;
    }
    case SuchArt::Baum:
    case SuchArt::Namen: e = SuchVerlaufEintrag(); break;
    }
    return e;
}

void nxSuchVerlaufNeu(SuchListe &verlauf, const SuchAuftrag &auftrag, const QString &grenze)
{
    const SuchVerlaufEintrag e = nxSuchVerlaufEintrag(auftrag);
    if (!e.art.isEmpty())
        verlauf.Neu(e.art, e.anzeige, e.verzeichnis, e.daten, true, grenze);
}

SuchWiederherstellung nxSuchVerlaufWiederherstellen(const SuchVerlaufEintrag &e)
{
    SuchWiederherstellung w;
    SuchAuftrag &a = w.auftrag;
    a.verzeichnis = e.verzeichnis;
    if (e.art == u"1") {
        w.gueltig = true;
        w.seite = SuchSeite::Einfach;
        a.art = SuchArt::Einfach;
        a.mit = e.anzeige;
    } else if (e.art == u"4") {
        // The oldest extended form stored no conditions: they are all cleared.
        w.gueltig = true;
        w.bedingungen = true;
        w.seite = SuchSeite::Erweitert;
        a.art = SuchArt::Erweitert;
        a.mit = e.anzeige;
    } else if (e.art == u"5" || e.art == u"6") {
        w.gueltig = true;
        w.seite = SuchSeite::Erweitert;
        a.art = SuchArt::Erweitert;
        if (e.art == u"5")
            a.mit = e.anzeige;
        const QStringList t = e.daten.split(Tab);
        if (t.size() >= 3 && t.last() == u":") {
            w.bedingungen = true;
            if (e.art == u"6")
                a.mit = t[t.size() - 2];
            a.ohne = t[0];
            const QString &wahl = t[1];
            const auto an = [&](qsizetype i) { return i < wahl.size() && wahl.at(i) == u'1'; };
            if (!wahl.isEmpty() && (wahl.at(0) == u'2' || wahl.at(0) == u'3'))
                a.verzWahl = SuchVerzWahl(wahl.at(0).toLatin1());
            for (size_t k = 0; k < 3; ++k)
                a.datum[k].an = an(qsizetype(k) + 1);
            a.bytesAn = an(4);
            a.attributeAn = an(5);
            // The condition fields follow in the order they were written; what is missing
            // stays empty.
            qsizetype i = 2;
            const qsizetype ende = t.size() - 2;
            const auto naechster = [&]() { return i < ende ? t[i++] : QString(); };
            for (SuchDatum &d : a.datum) {
                if (!d.an)
                    continue;
                for (QString *f : {&d.tagVon, &d.monatVon, &d.jahrVon, &d.tagBis, &d.monatBis, &d.jahrBis})
                    *f = naechster();
            }
            if (a.bytesAn) {
                a.bytesVon = naechster();
                a.bytesBis = naechster();
            }
            if (a.attributeAn) {
                const QString buchstaben = naechster();
                for (qsizetype k = 0; k < qsizetype(a.attribute.size()); ++k) {
                    const QChar c = k < buchstaben.size() ? buchstaben.at(k) : QChar(u'E');
                    a.attribute[size_t(k)] = c == u'J' ? SuchAttWahl::Ja : c == u'N' ? SuchAttWahl::Nein
                                                                                     : SuchAttWahl::Egal;
                }
            }
        }
    } else if (e.art == u"7") {
        w.gueltig = true;
        w.seite = SuchSeite::Liste;
        a.art = SuchArt::Liste;
        QStringList zeilen = e.daten.split(Tab);
        if (!zeilen.isEmpty() && zeilen.last().isEmpty())
            zeilen.removeLast();
        a.listenZeilen = zeilen;
    }
    return w;
}

QString nxSuchVerlaufArtText(const QString &art)
{
    if (art == u"1")
        return QStringLiteral("einfache");
    if (art == u"4" || art == u"5" || art == u"6")
        return QStringLiteral("erweiterte #");
    if (art == u"7")
        return QStringLiteral("mit Liste [ ]");
    return QString();
}

QString nxSuchVerlaufAnzahlText(int anzahl)
{
    return QString::number(anzahl)
           + QStringLiteral(" alte Such-Aufträge sind in der Liste. Ein Doppeltdrücken auf eine Zeile trägt alle "
                            "Werte oben ein.");
}

} // namespace rinolux
