#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace editor;
using testsupport::answerModal;

namespace {

template <typename T> T* part(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QLatin1String(name));
    Q_ASSERT(found);
    return found;
}

QLineEdit* box(QDialog* dialog, int index) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(index));
}

void retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void chooseColour(QDialog* dialog, const char* list, const QString& name) {
    auto* combo = part<QComboBox>(dialog, list);
    const int entry = combo->findText(name);
    QVERIFY(entry >= 0);
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), name);
}

void press(QDialog* dialog, const char* button) {
    QTest::mouseClick(part<QPushButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class FrmOptionsTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    void open(const char* command, std::function<void(QDialog*)> answer) {
        answerModal(this, std::move(answer));
        part<QAction>(m_window.get(), command)->trigger();
    }

private Q_SLOTS:
    void init() { openWindow(); }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void boardPropertiesRoundTrip() {
        project().Panes[1].Label = QStringLiteral("kept");
        open("mnu_BoardOptions", [](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Options :"));
            QVERIFY(part<QGroupBox>(dialog, "Frame1_1")->isVisible());
            QVERIFY(!part<QGroupBox>(dialog, "Frame1_0")->isVisible());
            QCOMPARE(box(dialog, 3)->text(), QStringLiteral("ToUse"));
            QCOMPARE(box(dialog, 2)->text(), QStringLiteral("ToUse"));
            QCOMPARE(part<QComboBox>(dialog, "Combo_MoveHighlight")->currentText(),
                     QStringLiteral("Pink"));
            QCOMPARE(box(dialog, 3)->maxLength(), 99);
            QCOMPARE(box(dialog, 2)->maxLength(), 256);
            retype(box(dialog, 3), QStringLiteral("My Story"));
            retype(box(dialog, 2), QString());
            chooseColour(dialog, "Combo_MoveHighlight", QStringLiteral("Yellow"));
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(project().BoardTitle, QStringLiteral("My Story"));
        QCOMPARE(project().FooterText, QString());
        QCOMPARE(project().MoveHighlight, 0xFF0000u);
        QCOMPARE(project().GridHighlight, 0x00FF00u);
        QCOMPARE(project().Panes[1].Label, QStringLiteral("kept"));

        // Opened again, the boxes show the record; Close after editing changes nothing.
        open("mnu_BoardOptions", [](QDialog* dialog) {
            QCOMPARE(box(dialog, 3)->text(), QStringLiteral("My Story"));
            QCOMPARE(part<QComboBox>(dialog, "Combo_MoveHighlight")->currentText(),
                     QStringLiteral("Yellow"));
            retype(box(dialog, 3), QStringLiteral("Other"));
            chooseColour(dialog, "Combo_MoveHighlight", QStringLiteral("Blue - Light"));
            press(dialog, "Button_acceptOrclose_0");
        });
        QCOMPARE(project().BoardTitle, QStringLiteral("My Story"));
        QCOMPARE(project().MoveHighlight, 0xFF0000u);
    }

    void panePropertiesEditTheSelectedPane() {
        QCOMPARE(project().SelectedPane, qint16(1));
        project().BoardTitle = QStringLiteral("Title");
        open("mnu_Options", [](QDialog* dialog) {
            QVERIFY(part<QGroupBox>(dialog, "Frame1_0")->isVisible());
            QVERIFY(!part<QGroupBox>(dialog, "Frame1_1")->isVisible());
            QCOMPARE(box(dialog, 0)->text(), QStringLiteral("ToUse"));
            QCOMPARE(box(dialog, 1)->text(), QStringLiteral("ToUse"));
            QCOMPARE(box(dialog, 0)->maxLength(), 99);
            QCOMPARE(box(dialog, 1)->maxLength(), 999);
            QCOMPARE(part<QComboBox>(dialog, "Combo_GridHighlight")->currentText(),
                     QStringLiteral("Green"));
            // Only blanks go: a no-break space is part of the address.
            retype(box(dialog, 1), QStringLiteral("  www.example.org/a b\u00A0  "));
            chooseColour(dialog, "Combo_GridHighlight", QStringLiteral("Red"));
            press(dialog, "Button_acceptOrclose_1");
        });
        const PaneRecord& pane = project().Panes[1];
        QCOMPARE(pane.Label, QStringLiteral("ToUse"));
        QCOMPARE(pane.URL, QStringLiteral("www.example.org/a b\u00A0"));
        QCOMPARE(project().GridHighlight, 0x0000FFu);
        QCOMPARE(project().BoardTitle, QStringLiteral("Title"));
        QCOMPARE(project().MoveHighlight, 0x00FF00u);

        // A longer label is cut by the box.
        open("mnu_Options", [](QDialog* dialog) {
            QCOMPARE(box(dialog, 1)->text(), QStringLiteral("www.example.org/a b\u00A0"));
            retype(box(dialog, 0), QString(120, QLatin1Char('x')));
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(project().Panes[1].Label, QString(99, QLatin1Char('x')));
    }

    // Values longer than the boxes take from the keyboard arrive from project
    // files; accepting without a change keeps them whole.
    void longValuesSurviveAnUnchangedAccept_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("length");
        QTest::newRow("label") << 0 << 150;
        QTest::newRow("web address") << 1 << 1009;
        QTest::newRow("footer text") << 2 << 300;
        QTest::newRow("title") << 3 << 120;
    }
    void longValuesSurviveAnUnchangedAccept() {
        QFETCH(int, index);
        QFETCH(int, length);
        const QString value = QString(length - 1, QLatin1Char('v')) + QLatin1Char('!');
        QString* const fields[] = {&project().Panes[1].Label, &project().Panes[1].URL,
                                   &project().FooterText, &project().BoardTitle};
        *fields[index] = value;
        open(index < 2 ? "mnu_Options" : "mnu_BoardOptions", [&](QDialog* dialog) {
            QCOMPARE(box(dialog, index)->text(), value);
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(*fields[index], value);
    }

    void panePropertiesNeedASelectedPane() {
        project().SelectedPane = 0;
        m_platform->expectMessage(QStringLiteral("Vistavel : Pane"));
        part<QAction>(m_window.get(), "mnu_Options")->trigger();
        QCOMPARE(m_platform->messages().size(), 1);
        QCOMPARE(project().Panes[0].Label, kUnsetText);
    }
};

VV_TEST_MAIN(FrmOptionsTest)
#include "tst_frmoptions.moc"
