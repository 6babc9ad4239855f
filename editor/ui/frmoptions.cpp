#include "editor/ui/frmoptions.h"

#include "editor/model/project/highlightcolours.h"
#include "editor/model/project/panetexts.h"
#include "editor/ui/wholetext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace editor {
namespace {

// Longest label, web address, footer text and title the keyboard may type.
constexpr std::array<int, 4> kTypedLimits = {99, 999, 256, 99};

QComboBox* colourList(const QList<NamedColour>& colours, const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const NamedColour& colour : colours)
        combo->addItem(colour.caption(), colour.value);
    combo->setCurrentIndex(kDefaultHighlightEntry);
    return combo;
}

// Any colour not in the list leaves the selection as it was.
void selectColour(QComboBox* combo, quint32 colour) {
    const int entry = combo->findData(colour);
    if (entry >= 0)
        combo->setCurrentIndex(entry);
}

quint32 selectedColour(const QComboBox* combo) {
    return combo->currentData().toUInt();
}

} // namespace

frmOptions::frmOptions(ProjectRecord& project, QWidget* parent)
    : QDialog(parent), m_project(project) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options :"));
    setModal(true);

    for (int i = 0; i < 4; ++i) {
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        limitTyping(*Text1[i], kTypedLimits[i]);
        Text1[i]->setMinimumWidth(280);
    }

    Frame1[0] = new QGroupBox(tr("Panes :"), this);
    Combo_GridHighlight =
        colourList(gridHighlightColours(), QStringLiteral("Combo_GridHighlight"), Frame1[0]);
    auto* urlCaption = new QHBoxLayout;
    urlCaption->addWidget(new QLabel(tr("URL :"), Frame1[0]));
    auto* hint = new QLabel(QStringLiteral("http://"), Frame1[0]);
    hint->setEnabled(false);
    urlCaption->addWidget(hint);
    urlCaption->addStretch();
    auto* pane = new QFormLayout(Frame1[0]);
    pane->addRow(tr("Label :"), Text1[0]);
    pane->addRow(urlCaption);
    pane->addRow(Text1[1]);
    pane->addRow(tr("Global Highlight"), Combo_GridHighlight);

    Frame1[1] = new QGroupBox(tr("Board :"), this);
    Combo_MoveHighlight =
        colourList(moveHighlightColours(), QStringLiteral("Combo_MoveHighlight"), Frame1[1]);
    auto* board = new QFormLayout(Frame1[1]);
    board->addRow(tr("Title :"), Text1[3]);
    board->addRow(tr("Footer Text :"), Text1[2]);
    board->addRow(tr("Move Highlight"), Combo_MoveHighlight);

    for (int i = 0; i < 2; ++i)
        Frame1[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
    Text1[0]->setAccessibleName(tr("Label"));
    Text1[1]->setAccessibleName(tr("URL"));
    Text1[1]->setAccessibleDescription(tr("The web address the pane links to, after http://"));
    Text1[2]->setAccessibleName(tr("Footer Text"));
    Text1[3]->setAccessibleName(tr("Title"));
    Combo_GridHighlight->setAccessibleName(tr("Global Highlight"));
    Combo_GridHighlight->setAccessibleDescription(tr("The colour of the frame around a pane"));
    Combo_MoveHighlight->setAccessibleName(tr("Move Highlight"));
    Combo_MoveHighlight->setAccessibleDescription(tr("The colour of the line a drag draws"));

    const std::array<QString, 2> captions = {tr("Close"), tr("Accept")};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i : {1, 0}) {
        Button_acceptOrclose[i] = new QPushButton(captions[i], this);
        Button_acceptOrclose[i]->setObjectName(QStringLiteral("Button_acceptOrclose_%1").arg(i));
        connect(Button_acceptOrclose[i], &QPushButton::clicked, this,
                [this, i] { Button_acceptOrclose_Click(i); });
        buttons->addWidget(Button_acceptOrclose[i]);
    }
    Button_acceptOrclose[0]->setToolTip(tr("Discard"));
    // Tab goes down the dialog as the boxes stand, not as they were made.
    const QList<QWidget*> tabOrder = {Text1[0],
                                      Text1[1],
                                      Combo_GridHighlight,
                                      Text1[3],
                                      Text1[2],
                                      Combo_MoveHighlight,
                                      Button_acceptOrclose[1],
                                      Button_acceptOrclose[0]};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Button_acceptOrclose[1]->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1[0]);
    layout->addWidget(Frame1[1]);
    layout->addLayout(buttons);
    // The window takes the size of the mode it opens in.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
}

bool frmOptions::ShowProperties(int pane, int mode) {
    m_pane = pane;
    m_paneMode = mode == kPaneMode;
    // The other mode's frame is out of sight and keeps whatever it held.
    Frame1[0]->setVisible(m_paneMode);
    Frame1[1]->setVisible(!m_paneMode);
    resize(sizeHint());
    if (m_paneMode) {
        fill(0, m_project.Panes[pane].Label);
        fill(1, m_project.Panes[pane].URL);
        selectColour(Combo_GridHighlight, m_project.GridHighlight);
    } else {
        fill(2, m_project.FooterText);
        fill(3, m_project.BoardTitle);
        selectColour(Combo_MoveHighlight, m_project.MoveHighlight);
    }
    (m_paneMode ? Text1[0] : Text1[3])->setFocus();
    return exec() == QDialog::Accepted;
}

void frmOptions::fill(int box, const QString& text) {
    setTextWhole(*Text1[box], text, kTypedLimits[box]);
}

void frmOptions::Button_acceptOrclose_Click(int index) {
    if (index == 0) {
        reject();
        return;
    }
    if (m_paneMode) {
        PaneRecord& pane = m_project.Panes[m_pane];
        pane.Label = Text1[0]->text();
        pane.URL = paneTextToStore(Text1[1]->text());
        m_project.GridHighlight = selectedColour(Combo_GridHighlight);
    } else {
        m_project.MoveHighlight = selectedColour(Combo_MoveHighlight);
        m_project.FooterText = Text1[2]->text();
        m_project.BoardTitle = Text1[3]->text();
    }
    accept();
}

} // namespace editor
