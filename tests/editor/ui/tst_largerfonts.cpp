// The forms of both programs, placed control by control or laid out, at the font
// they were drawn for and at the larger fonts desktops default to.

#include "editor/ui/frmabout.h"
#include "editor/ui/frmhelp.h"
#include "editor/ui/frmmain.h"
#include "editor/ui/frmmsgbox.h"
#include "fakeplatform.h"
#include "sentences/ui/frmmain.h"
#include "testmain.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <memory>

namespace {

// A line's height holds room above and below its letters: two pixels of it may go.
constexpr int kSpareLineHeight = 2;

// Every caption of `form` that does not show whole, one line each.
QStringList cutCaptions(const QWidget& form) {
    QStringList cut;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        // Qt's own parts (the menu bar's overflow button) place themselves.
        if (widget->isWindow() || widget->isHidden() ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString name = form.objectName() + QLatin1Char('/') + widget->objectName();
        const QFontMetrics metrics = widget->fontMetrics();
        const int lineHeight = metrics.height() - kSpareLineHeight;
        const QWidget* parent = widget->parentWidget();
        if (!parent->isWindow() && !parent->rect().contains(widget->geometry()))
            cut << name + QStringLiteral(": outside its frame");
        const auto tooNarrow = [&](const QString& text, int room) {
            if (metrics.size(Qt::TextShowMnemonic, text).width() > room)
                cut << name + QStringLiteral(": \"%1\" wider than %2").arg(text).arg(room);
            if (lineHeight > widget->height())
                cut << name + QStringLiteral(": \"%1\" taller than %2")
                                  .arg(text)
                                  .arg(widget->height());
        };
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) - kSpareLineHeight > label->height())
                    cut << name + QStringLiteral(": wrapped text taller than the label");
            } else {
                tooNarrow(label->text(), label->contentsRect().width());
            }
        } else if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
            const QStyle* style = check->style();
            tooNarrow(check->text(), check->width() -
                                         style->pixelMetric(QStyle::PM_IndicatorWidth) -
                                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            tooNarrow(button->text(), button->width() - 4);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            tooNarrow(box->title(), box->width());
            for (const QWidget* inside : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (inside->y() < lineHeight)
                    cut << name + QStringLiteral(": title over ") + inside->objectName();
        }
    }
    return cut;
}

} // namespace

class LargerFontsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QApplication::setFont(QFont()); }

    // At the font the forms were drawn for nothing moves; at larger ones the form
    // and its controls grow until every caption shows whole.
    void noCaptionIsCut_data() {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("drawnSize");
        QTest::newRow("drawn for") << 0 << true;
        QTest::newRow("KDE's 10 pt") << 10 << false;
        QTest::newRow("12 pt") << 12 << false;
        QTest::newRow("18 pt") << 18 << false;
    }
    void noCaptionIsCut() {
        QFETCH(int, pointSize);
        QFETCH(bool, drawnSize);
        if (pointSize > 0) {
            QFont font = QApplication::font();
            font.setPointSize(pointSize);
            QApplication::setFont(font);
        }
        testsupport::FakePlatform desktop;
        sentences::frmMain generator(desktop);
        editor::frmAbout about;
        editor::frmMsgBox notice;
        editor::frmHelp help;
        QList<QWidget*> forms = {&generator, &about, &notice, &help};
        for (QDialog* dialog : generator.findChildren<QDialog*>())
            forms << dialog;
        QStringList cut;
        for (QWidget* form : forms)
            cut << cutCaptions(*form);
        // The editor's dialogs laid out by their layouts take their places when shown.
        editor::frmMain editorWindow(desktop);
        for (QDialog* dialog : editorWindow.findChildren<QDialog*>()) {
            dialog->show();
            cut << cutCaptions(*dialog);
            dialog->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        if (drawnSize) {
            QCOMPARE(generator.centralWidget()->size(), QSize(400, 400));
            QCOMPARE(about.size(), QSize(255, 150));
            QCOMPARE(notice.size(), QSize(402, 110));
            QCOMPARE(help.size(), QSize(350, 350));
        }
    }
};

VV_TEST_MAIN(LargerFontsTest)
#include "tst_largerfonts.moc"
