#include "gui/platform/GuiArbeitsoberflaeche.h"

#include "core/util/nx_Adresse.h"

#include <QDBusConnection>
#include <cerrno>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace rinolux {

namespace {

QString zeitText(const plattform::DateiZeit &z)
{
    if (!z.gueltig)
        return QString();
    return QLocale(QLocale::German, QLocale::Germany).toString(z.alsDateTime(), QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString artText(plattform::ObjektArt art)
{
    switch (art) {
    case plattform::ObjektArt::Datei: return QStringLiteral("Datei");
    case plattform::ObjektArt::Verzeichnis: return QStringLiteral("Verzeichnis");
    case plattform::ObjektArt::Link: return QStringLiteral("Verknüpfung");
    case plattform::ObjektArt::Sonstiges: break;
    }
    return QStringLiteral("sonstiges Objekt");
}

QString attributText(quint32 a)
{
    QStringList teile;
    if (a & plattform::AttrNurLesen)
        teile << QStringLiteral("schreibgeschützt");
    if (a & plattform::AttrVersteckt)
        teile << QStringLiteral("versteckt");
    return teile.isEmpty() ? QStringLiteral("-") : teile.join(QStringLiteral(", "));
}

} // namespace

Ergebnis GuiArbeitsoberflaeche::oeffnen(const QString &pfad)
{
    if (!plattform::vorhanden(pfad))
        return ErgebnisAusErrno(ENOENT, pfad);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(nxAdresseOhneEndStrich(pfad))))
        return Ergebnis::Fehler(0, pfad + QStringLiteral(": kein Programm zum Öffnen gefunden"));
    return Ergebnis::Ok();
}

bool GuiArbeitsoberflaeche::eigenschaftenUeberDateimanager(const QString &pfad)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage aufruf = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
    aufruf << QStringList{QUrl::fromLocalFile(nxAdresseOhneEndStrich(pfad)).toString()} << QString();
    const QDBusMessage antwort = bus.call(aufruf, QDBus::Block, 5000);
    return antwort.type() == QDBusMessage::ReplyMessage;
}

Ergebnis GuiArbeitsoberflaeche::eigenschaftenZeigen(const QString &pfad)
{
    if (!plattform::vorhanden(pfad))
        return ErgebnisAusErrno(ENOENT, pfad);
    if (eigenschaftenUeberDateimanager(pfad))
        return Ergebnis::Ok();
    EigenschaftenDialog dialog(pfad);
    dialog.exec();
    return Ergebnis::Ok();
}

void arbeitsoberflaecheEinrichten()
{
    static GuiArbeitsoberflaeche einzige;
    plattform::arbeitsoberflaecheSetzen(&einzige);
}

EigenschaftenDialog::EigenschaftenDialog(const QString &pfad, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormEigenschaften"));
    setWindowTitle(QStringLiteral("Eigenschaften"));
    const ErgebnisWert<plattform::Eintrag> gelesen = plattform::objektLesen(pfad);
    m_gelesen = gelesen.ok();
    const plattform::Eintrag e = gelesen.wertOder({});
    const QString ohneEnde = nxAdresseOhneEndStrich(pfad);

    auto *form = new QFormLayout;
    const auto zeile = [&](const QString &titel, const QString &text) {
        auto *wert = new QLabel(text, this);
        wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
        wert->setTextFormat(Qt::PlainText); // names from the disk are shown as they are
        form->addRow(titel + QStringLiteral(":"), wert);
        m_zeilen.append({titel, wert});
    };
    zeile(QStringLiteral("Name"), nxAdresseNameFormat(ohneEnde));
    zeile(QStringLiteral("Pfad"), nxAdresseVerzeichnis(ohneEnde));
    if (m_gelesen) {
        zeile(QStringLiteral("Art"), artText(e.art));
        if (e.art == plattform::ObjektArt::Link) {
            const QString ziel = QFile::symLinkTarget(ohneEnde);
            zeile(QStringLiteral("Ziel"), ziel);
        }
        zeile(QStringLiteral("Bytes"), QLocale(QLocale::German, QLocale::Germany).toString(e.groesse));
        zeile(QStringLiteral("Attribute"), attributText(e.attribute));
        zeile(QStringLiteral("Herstellungs-Zeit"), zeitText(e.herstellung));
        zeile(QStringLiteral("Änderungs-Zeit"), zeitText(e.aenderung));
        zeile(QStringLiteral("Zugriffs-Zeit"), zeitText(e.zugriff));
    } else {
        zeile(QStringLiteral("Art"), QStringLiteral("nicht vorhanden"));
    }

    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    knoepfe->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    knoepfe->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("BuEigenschaftenSchliessen"));
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *lage = new QVBoxLayout(this);
    lage->addLayout(form);
    lage->addWidget(knoepfe);
}

QString EigenschaftenDialog::wert(const QString &titel) const
{
    for (const auto &[t, label] : m_zeilen) {
        if (t == titel)
            return label->text();
    }
    return QString();
}

} // namespace rinolux
