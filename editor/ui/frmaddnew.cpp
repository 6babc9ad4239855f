#include "editor/ui/frmaddnew.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace editor {

frmAddNew::frmAddNew(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAddNew"));
    setWindowTitle(tr("Board Setup"));
    setModal(true);

    auto* Frame2 = new QGroupBox(tr("Structure :"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Combo_MatrixSize = new QComboBox(Frame2);
    Combo_MatrixSize->setObjectName(QStringLiteral("Combo_MatrixSize"));
    Text_BoardAmount = new QLineEdit(QStringLiteral("001"), Frame2);
    Text_BoardAmount->setObjectName(QStringLiteral("Text_BoardAmount"));
    Text_BoardAmount->setMaxLength(3);
    Text_BoardAmount->setFixedWidth(48);
    Combo_MatrixSize->setAccessibleName(tr("Panes"));
    Combo_MatrixSize->setAccessibleDescription(tr("The panes of every board, across and down"));
    Text_BoardAmount->setAccessibleName(tr("Boards"));
    Text_BoardAmount->setAccessibleDescription(tr("How many boards the project has"));

    auto* UpDownControl = new QWidget(Frame2);
    UpDownControl->setObjectName(QStringLiteral("UpDownControl"));
    const auto arrow = [UpDownControl](Qt::ArrowType type, const QString& name) {
        auto* button = new QToolButton(UpDownControl);
        button->setObjectName(name);
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 12);
        return button;
    };
    m_up = arrow(Qt::UpArrow, QStringLiteral("UpDownControl_Up"));
    m_down = arrow(Qt::DownArrow, QStringLiteral("UpDownControl_Down"));
    m_up->setAccessibleName(tr("One board more"));
    m_down->setAccessibleName(tr("One board less"));
    auto* arrows = new QVBoxLayout(UpDownControl);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);

    Label1 = new QLabel(tr(" info view"), Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* structure = new QGridLayout(Frame2);
    structure->addWidget(new QLabel(tr("Panes :"), Frame2), 0, 0);
    structure->addWidget(Combo_MatrixSize, 0, 1, 1, 2);
    structure->addWidget(new QLabel(tr("Boards :"), Frame2), 1, 0);
    auto* count = new QHBoxLayout;
    count->setSpacing(0);
    count->addWidget(Text_BoardAmount);
    count->addWidget(UpDownControl);
    count->addStretch();
    structure->addLayout(count, 1, 1, 1, 2);
    structure->addWidget(Label1, 2, 0, 1, 3);

    auto* Frame1 = new QGroupBox(tr("Properties :"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1[0] = new QRadioButton(tr("Discard all items"), Frame1);
    Option1[1] = new QRadioButton(tr("Keep existing"), Frame1);
    auto* options = new QVBoxLayout(Frame1);
    for (int i = 0; i < 2; ++i) {
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        options->addWidget(Option1[i]);
    }
    Option1[1]->setChecked(true);

    const std::array<QString, 2> captions = {tr("Close"), tr("Accept")};
    const std::array<QString, 2> tips = {tr("Discard"), tr("Use")};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i : {1, 0}) {
        Button_acceptOrclose[i] = new QPushButton(captions[i], this);
        Button_acceptOrclose[i]->setObjectName(QStringLiteral("Button_acceptOrclose_%1").arg(i));
        Button_acceptOrclose[i]->setToolTip(tips[i]);
        connect(Button_acceptOrclose[i], &QPushButton::clicked, this,
                [this, i] { Button_acceptOrclose_Click(i); });
        buttons->addWidget(Button_acceptOrclose[i]);
    }
    Button_acceptOrclose[1]->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(Combo_MatrixSize, &QComboBox::currentIndexChanged, this,
            &frmAddNew::Combo_MatrixSize_Click);
    connect(Text_BoardAmount, &QLineEdit::textChanged, this, &frmAddNew::Text_BoardAmount_Change);
    connect(m_up, &QToolButton::clicked, this, &frmAddNew::UpDownControl_UpClick);
    connect(m_down, &QToolButton::clicked, this, &frmAddNew::UpDownControl_DownClick);

    for (int grid = kMinGridSize; grid <= kMaxGridSize; ++grid)
        Combo_MatrixSize->addItem(QStringLiteral("%1 x %1").arg(grid));
    Combo_MatrixSize->setCurrentIndex(0);
    setFixedSize(sizeHint());
}

std::optional<ProjectSetup> frmAddNew::ShowSetup(int boardCount) {
    Text_BoardAmount->setText(QString::number(boardCount));
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ProjectSetup{gridSizeOfEntry(Combo_MatrixSize->currentIndex()), m_acceptedCount,
                        Option1[0]->isChecked()};
}

void frmAddNew::Combo_MatrixSize_Click() {
    const int grid = gridSizeOfEntry(Combo_MatrixSize->currentIndex());
    Label1->setText(boardLimitCaption(grid));
    MaxBoards = static_cast<qint16>(maxBoards(grid));
}

void frmAddNew::Text_BoardAmount_Change() {
    showBoardCount(checkBoardCountText(Text_BoardAmount->text(), MaxBoards));
}

void frmAddNew::UpDownControl_DownClick() {
    showBoardCount(boardCountDown(Text_BoardAmount->text()));
}

void frmAddNew::UpDownControl_UpClick() {
    showBoardCount({boardCountUp(Text_BoardAmount->text(), MaxBoards), false});
}

// Setting the text runs the change check again, which finds it in order.
void frmAddNew::showBoardCount(const BoardCountText& count) {
    if (Text_BoardAmount->text() != count.text)
        Text_BoardAmount->setText(count.text);
    if (count.selectAll) {
        Text_BoardAmount->setSelection(0, 3);
        if (isVisible())
            Text_BoardAmount->setFocus();
    }
}

void frmAddNew::Button_acceptOrclose_Click(int index) {
    if (index == 1) {
        m_acceptedCount = acceptedBoardCount(Text_BoardAmount->text(), MaxBoards);
        accept();
    } else {
        reject();
    }
}

} // namespace editor
