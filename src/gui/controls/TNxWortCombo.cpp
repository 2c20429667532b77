#include "gui/controls/TNxWortCombo.h"

#include "core/persist/IniDatei.h"

namespace rinolux {

QStringList WortComboEintraege(WortComboArt art)
{
    const QStringList zeiten{QStringLiteral("Herstellungs-Zeit: Tag'Monat'Jahr"),
                             QStringLiteral("Herstellungs-Zeit: Jahr'Monat'Tag"),
                             QStringLiteral("Herstellungs-Zeit: Stunde'Minute'Sekunde"),
                             QStringLiteral("Änderungs-Zeit: Tag'Monat'Jahr"),
                             QStringLiteral("Änderungs-Zeit: Jahr'Monat'Tag"),
                             QStringLiteral("Änderungs-Zeit: Stunde'Minute'Sekunde"),
                             QStringLiteral("eine Zufalls-Zahl"),
                             QStringLiteral("ein Zufalls-Wort")};
    switch (art) {
    case WortComboArt::Gruppe:
        return {QStringLiteral("Zeichen"),
                QStringLiteral("=>"),
                QStringLiteral("Buchstabe"),
                QStringLiteral("Groß-Buchstabe"),
                QStringLiteral("Klein-Buchstabe"),
                QStringLiteral("Leerzeichen"),
                QStringLiteral("Buchstabe oder Leerzeichen"),
                QStringLiteral("Sonderzeichen"),
                QStringLiteral("Ziffer (einstellige Zahl)"),
                QStringLiteral("Zahl"),
                QStringLiteral("=>"),
                QStringLiteral("nicht: Buchstabe"),
                QStringLiteral("nicht: Groß-Buchstabe"),
                QStringLiteral("nicht: Klein-Buchstabe"),
                QStringLiteral("nicht: Leerzeichen"),
                QStringLiteral("nicht: Buchstabe oder Leerzeichen"),
                QStringLiteral("nicht: Sonderzeichen"),
                QStringLiteral("nicht: Ziffer (einstellige Zahl)"),
                QStringLiteral("nicht: Zahl")};
    case WortComboArt::Hinzu:
        return QStringList{QStringLiteral("=> Wort"),
                           QStringLiteral("=> das X. Verzeichnis von vorne"),
                           QStringLiteral("=> das X. Verzeichnis von hinten"),
                           QStringLiteral("den Namen und das Format (alles von Name.Format)"),
                           QStringLiteral("den Namen (alles VOR dem letzten Punkt, ohne .Format)"),
                           QStringLiteral("das Format (alles HINTER dem letzten Punkt, ohne Name.)"),
                           QStringLiteral("die Größe in Bytes")} +
               zeiten + QStringList{QStringLiteral("ein Leerzeichen")};
    case WortComboArt::Ersetzen:
        return QStringList{QStringLiteral("=> Wort"),
                           QStringLiteral("=> Wert +"),
                           QStringLiteral("=> Wert -"),
                           QStringLiteral("=> das X. Verzeichnis von vorne"),
                           QStringLiteral("=> das X. Verzeichnis von hinten"),
                           QStringLiteral("den Namen und das Format (\"Name.Format\")"),
                           QStringLiteral("den Namen (\"Name\", ohne \".Format\")"),
                           QStringLiteral("das Format (\"Format\", ohne \"Name.\")"),
                           QStringLiteral("die Größe in Bytes")} +
               zeiten +
               QStringList{QStringLiteral("einen Groß-Buchstaben"), QStringLiteral("einen Klein-Buchstaben"),
                           QStringLiteral("einen in der Größe umgekehrten Buchstaben"),
                           QStringLiteral("ein Leerzeichen")};
    }
    return {};
}

TNxWortCombo::TNxWortCombo(WortComboArt art, const QString &name, QWidget *eltern)
    : QComboBox(eltern)
    , m_art(art)
{
    setObjectName(name);
    addItems(WortComboEintraege(art));
    setMaxVisibleItems(count());
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setCurrentIndex(0);
    WoerterAuffrischen({});
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (IstWortEintrag(index))
            Q_EMIT WortVerlangt();
    });
}

void TNxWortCombo::PlatzSetzen(int platz)
{
    m_platz = (platz >= 1 && platz <= 6) ? platz : 1;
}

bool TNxWortCombo::IstWortEintrag(int index) const
{
    switch (m_art) {
    case WortComboArt::Gruppe: return index == 1 || index == 10;
    case WortComboArt::Hinzu: return index >= 0 && index <= 2;
    case WortComboArt::Ersetzen: return index >= 0 && index <= 4;
    }
    return false;
}

void TNxWortCombo::WoerterAuffrischen(const std::array<BenutzerWort, 6> &woerter)
{
    const BenutzerWort &wort = woerter[std::size_t(m_platz - 1)];
    const QStringList w = wort.text.split(u'|', Qt::SkipEmptyParts);
    const int gewaehlt = currentIndex();
    const QSignalBlocker ruhe(this);
    if (m_art == WortComboArt::Gruppe) {
        QString eins = QStringLiteral("Wort");
        if (!w.isEmpty()) {
            QStringList zitiert;
            for (const QString &s : w)
                zitiert.append(u'"' + s + u'"');
            eins = QStringLiteral("Wort ") + (wort.gross == u"J" ? QStringLiteral("[ ! ] ") : QString()) +
                   zitiert.join(QStringLiteral(" oder "));
        }
        setItemText(1, eins);
        setItemText(10, w.isEmpty() ? eins : QStringLiteral("nicht: ") + eins);
    } else {
        const QString t = w.isEmpty() ? QString() : u'"' + w.first() + u'"';
        QString ziffern;
        for (QChar c : t)
            if (c >= u'0' && c <= u'9')
                ziffern.append(c);
        const QString d = QString::number(ziffern.isEmpty() ? 0 : IniZahl(ziffern));
        setItemText(0, QStringLiteral("das Wort ") + t);
        if (m_art == WortComboArt::Hinzu) {
            setItemText(1, QStringLiteral("das ") + d + QStringLiteral(". Verzeichnis von vorne"));
            setItemText(2, QStringLiteral("das ") + d + QStringLiteral(". Verzeichnis von hinten"));
        } else {
            setItemText(1, QStringLiteral("einen Wert, der um ") + d + QStringLiteral(" höher ist"));
            setItemText(2, QStringLiteral("einen Wert, der um ") + d + QStringLiteral(" niedriger ist"));
            setItemText(3, QStringLiteral("das ") + d + QStringLiteral(". Verzeichnis von vorne (wenn möglich)"));
            setItemText(4, QStringLiteral("das ") + d + QStringLiteral(". Verzeichnis von hinten (wenn möglich)"));
        }
    }
    setCurrentIndex(gewaehlt);
}

} // namespace rinolux
