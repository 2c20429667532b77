#include "gui/app/Form_Dialog.h"

#include "core/shell/DialogText.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Bilder.h"
#include "gui/app/SchalterRahmen.h"

#include <QDialogButtonBox>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace rinolux {

namespace {

const QColor Gruen(0, 255, 0);
const QColor Gelb(255, 255, 0);

QString blockHtml(const DialogBlock &block)
{
    QString html = QStringLiteral("<p style=\"white-space:pre-wrap; margin:0\">");
    for (const auto &a : block) {
        QString t = a.text.toHtmlEscaped();
        t.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
        t.replace(u'\n', QStringLiteral("<br>"));
        t.replace(u'\r', QStringLiteral("<br>"));
        html += a.fett ? QStringLiteral("<b>") + t + QStringLiteral("</b>") : t;
    }
    return html + QStringLiteral("</p>");
}

} // namespace

QWidget *SteuerelementSuchen(const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    // Only a control the user can see is a place to show a message at.
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (QWidget *f : fenster) {
        QList<QWidget *> kandidaten = f->findChildren<QWidget *>(name);
        if (f->objectName() == name)
            kandidaten.prepend(f);
        for (QWidget *w : kandidaten)
            if (w->isVisible())
                return w;
    }
    return nullptr;
}

Tdd::Tdd(QChar art, const QString &text, QWidget *anker, bool breit, const Einstellungen &einst, int infoNummer,
         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dd"));
    setWindowTitle(art == u'f' || art == u't' ? QStringLiteral("Frage") : QStringLiteral("Information"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const int spalte = breit ? 500 : 200;

    // Text blocks, row by row.
    int x = 10;
    int y = 10;
    int zeilenHoehe = 0;
    // Width of the widest row: blocks put side by side make the dialog wider, so the
    // symbol never covers a block.
    int textBreite = spalte;
    QFont fett = font();
    fett.setBold(true);
    const DialogZeilen zeilen = DialogZerlegen(text);
    for (qsizetype zi = 0; zi < zeilen.size(); ++zi) {
        if (zi > 0) {
            x = 10;
            y += zeilenHoehe + 2;
            zeilenHoehe = 0;
        }
        int letzteBreite = 0;
        for (qsizetype bi = 0; bi < zeilen[zi].size(); ++bi) {
            if (bi > 0)
                x += letzteBreite + 1;
            auto *feld = new QTextEdit(this);
            feld->setObjectName(QStringLiteral("RiDialogBlock"));
            feld->setReadOnly(true);
            feld->setFrameShape(QFrame::NoFrame);
            feld->setFocusPolicy(Qt::NoFocus);
            feld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            feld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            feld->setTextInteractionFlags(Qt::TextSelectableByMouse);
            feld->document()->setDocumentMargin(0);
            if (einst.ParentColor) {
                feld->viewport()->setAutoFillBackground(false);
                feld->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
            }
            feld->setHtml(blockHtml(zeilen[zi][bi]));
            // The height a wrapping label needs for the text in the bold font, and never
            // less than the field's own layout, so no line is ever cut.
            QLabel mass;
            mass.setFont(fett);
            mass.setWordWrap(true);
            mass.setText(DialogBlockText(zeilen[zi][bi]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
            feld->document()->setTextWidth(spalte);
            const int hoehe = std::max({mass.heightForWidth(spalte - 4),
                                        static_cast<int>(std::ceil(feld->document()->size().height())),
                                        fontMetrics().height()});
            feld->setGeometry(x, y, spalte, hoehe);
            m_bloecke.append(feld);
            zeilenHoehe = std::max(zeilenHoehe, hoehe);
            letzteBreite = spalte;
            textBreite = std::max(textBreite, x + spalte - 10);
        }
    }
    y += zeilenHoehe;

    // Symbol.
    const QPixmap bild = DialogBild(art, einst.DialogSymbole, infoNummer, devicePixelRatioF());
    int symbolBreite = bild.isNull() ? 0 : std::min(static_cast<int>(bild.width() / bild.devicePixelRatio()), 150);
    int symbolHoehe = bild.isNull() ? 0 : static_cast<int>(bild.height() / bild.devicePixelRatio());
    if (y - 10 > symbolHoehe && symbolHoehe > 0)
        symbolHoehe = y - 10;
    if (y < 79) {
        symbolHoehe = 79;
        y = 89;
    }
    if (!bild.isNull()) {
        auto *symbol = new QLabel(this);
        symbol->setObjectName(QStringLiteral("ImDialogSymbol"));
        symbol->setPixmap(bild);
        symbol->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        symbol->setGeometry(textBreite + 20, 10, symbolBreite, symbolHoehe);
    }

    // Buttons.
    const int w = symbolBreite + 190;
    const int b = w / 4;
    const int o = w - 2 * (w / 4);
    const int h = (textBreite - 200) / 2;
    const bool teilweise = art == u't';
    const int reihe = teilweise ? y + 60 : y + 20;
    const int dicke = std::clamp(einst.RahmenDicke, 0, 3);
    QPushButton *standard = nullptr;
    if (art == u'f' || teilweise) {
        if (teilweise) {
            QPushButton *t = schalter(QStringLiteral("BuJaTeilweise"), QStringLiteral("Ja, aber ohne die problematischen Namen"),
                                      Gelb, dicke, QRect(h + 10, y + 20, symbolBreite + 210, 30));
            connect(t, &QPushButton::clicked, this, [this] {
                nxDebugZeile(QStringLiteral("DialogForm.SchalterTClick"));
                m_antwort = u't';
                accept();
            });
        }
        QPushButton *ja = schalter(QStringLiteral("BuJa"), QStringLiteral("Ja"), Gelb, dicke, QRect(h + 10, reihe, b, 30));
        connect(ja, &QPushButton::clicked, this, [this] {
            nxDebugZeile(QStringLiteral("DialogForm.SchalterJClick"));
            m_antwort = u'j';
            accept();
        });
        QPushButton *nein = schalter(QStringLiteral("BuNein"), QStringLiteral("Nein"), Gruen, dicke, QRect(h + b + 20, reihe, b, 30));
        connect(nein, &QPushButton::clicked, this, &QDialog::reject);
        QPushButton *abbrechen = schalter(QStringLiteral("BuAbbrechen"), QStringLiteral("Abbrechen"), Gruen, dicke,
                                          QRect(h + 2 * b + 30, reihe, o, 30));
        connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
        // A safety question never says yes on Enter.
        standard = nein;
    } else {
        QPushButton *ok = schalter(QStringLiteral("BuOK"), QStringLiteral("OK"), Gruen, dicke, QRect(h + b + 20, reihe, o, 30));
        connect(ok, &QPushButton::clicked, this, &QDialog::reject);
        standard = ok;
    }
    standard->setDefault(true);
    standard->setFocus();

    setFixedSize(textBreite + 20 + symbolBreite + 10, reihe + 40);
    platzieren(anker);
}

QPushButton *Tdd::schalter(const QString &name, const QString &text, const QColor &farbe, int dicke, const QRect &r)
{
    auto *s = new QPushButton(text);
    s->setObjectName(name);
    s->setAutoDefault(false);
    auto *rahmen = new TSchalterRahmen(s, farbe, dicke, this);
    rahmen->setGeometry(r);
    return s;
}

void Tdd::platzieren(QWidget *anker)
{
    QScreen *schirm = anker ? anker->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!schirm)
        schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    const QRect flaeche = schirm->availableGeometry();
    // The frame adds to the client size; it is not known before showing, so the client
    // size stands for the whole and the result is kept inside the work area.
    const int dw = width();
    const int dh = height();
    int x = 0;
    int oben = 0;
    int unten = 0;
    if (anker) {
        const QPoint o = anker->mapToGlobal(QPoint(0, 0));
        x = o.x() + anker->width() / 2;
        oben = o.y();
        unten = o.y() + anker->height();
    } else {
        x = schirm->geometry().center().x();
        oben = unten = (schirm->geometry().height() + dh) / 2;
    }
    int links = x - dw / 2;
    links = std::min(links, flaeche.right() + 1 - dw);
    links = std::max(links, flaeche.left());
    int top = 0;
    if (oben - dh - 1 >= flaeche.top())
        top = oben - dh - 1;
    else if (unten + 1 + dh <= flaeche.bottom() + 1)
        top = unten + 1;
    else
        top = flaeche.top();
    move(links, top);
}

int FensterDialog::NaechsteInfoNummer()
{
    ++m_infoZaehler;
    if (m_infoZaehler > 2)
        m_infoZaehler = 1;
    return m_infoZaehler;
}

QChar FensterDialog::Dialog_Zeigen(QChar art, const QString &text, const QString &anker, bool breit)
{
    QWidget *ankerFeld = SteuerelementSuchen(anker);
    const int infoNummer = art == u'i' ? NaechsteInfoNummer() : 1;
    QWidget *eltern = ankerFeld ? ankerFeld->window() : QApplication::activeWindow();
    Tdd dd(art, text, ankerFeld, breit, m_einst, infoNummer, eltern);
    dd.raise();
    dd.exec();
    return dd.Antwort();
}

QDialogButtonBox *OkAbbrechenKnoepfe(QDialog *form)
{
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, form);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BuOK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BuAbbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, form, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, form, &QDialog::reject);
    return knoepfe;
}

} // namespace rinolux
