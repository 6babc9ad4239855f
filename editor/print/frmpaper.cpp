#include "editor/print/frmpaper.h"

#include "platform/boardrange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace editor {
namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmPaper::frmPaper(QPageSize::PageSizeId defaultPaper, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPaper"));
    setModal(true);
    createControls();
    const auto paper = std::find(kPaperSizes.begin(), kPaperSizes.end(), defaultPaper);
    combo_Paper->setCurrentIndex(
        paper == kPaperSizes.end() ? 0 : static_cast<int>(paper - kPaperSizes.begin()));
}

void frmPaper::createControls() {
    spin_FirstBoard = named(new QSpinBox(this), "spin_FirstBoard");
    spin_LastBoard = named(new QSpinBox(this), "spin_LastBoard");
    spin_FirstBoard->setAccessibleName(tr("First board"));
    spin_LastBoard->setAccessibleName(tr("Last board"));
    auto* range = new QHBoxLayout;
    range->addWidget(spin_FirstBoard);
    range->addWidget(new QLabel(tr("to"), this));
    range->addWidget(spin_LastBoard);
    range->addStretch();

    combo_Arrangement = named(new QComboBox(this), "combo_Arrangement");
    combo_Arrangement->addItems({tr("The board's grid"), tr("1 pane a row, words beside"),
                                 tr("2 panes a row, words beside"),
                                 tr("3 panes a row, words beside")});
    combo_Arrangement->setAccessibleName(tr("Panes on a page"));
    combo_Paper = named(new QComboBox(this), "combo_Paper");
    combo_Paper->setAccessibleName(tr("Paper"));
    for (QPageSize::PageSizeId size : kPaperSizes)
        combo_Paper->addItem(QPageSize::name(size));
    option_Landscape = named(new QRadioButton(tr("Landscape"), this), "option_Landscape");
    option_Portrait = named(new QRadioButton(tr("Portrait"), this), "option_Portrait");
    option_Landscape->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(option_Landscape);
    orientation->addWidget(option_Portrait);
    orientation->addStretch();

    auto* shows = named(new QGroupBox(tr("Each pane shows"), this), "frame_Shows");
    auto* showsLayout = new QHBoxLayout(shows);
    const char* names[] = {"check_Number", "check_Label", "check_Text", "check_Address"};
    const QString captions[] = {tr("Number"), tr("Label"), tr("Text"), tr("Web address")};
    const QString spoken[] = {tr("Each pane shows its number"), tr("Each pane shows its label"),
                              tr("Each pane shows its text"),
                              tr("Each pane shows its web address")};
    for (int i = 0; i < 4; ++i) {
        check_Shows[i] = named(new QCheckBox(captions[i], shows), names[i]);
        check_Shows[i]->setChecked(true);
        check_Shows[i]->setAccessibleName(spoken[i]);
        showsLayout->addWidget(check_Shows[i]);
    }

    button_Go = named(new QPushButton(this), "button_Go");
    button_Go->setDefault(true);
    button_Cancel = named(new QPushButton(tr("Cancel"), this), "button_Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button_Go);
    buttons->addWidget(button_Cancel);

    auto* form = new QFormLayout;
    form->addRow(tr("Boards"), range);
    form->addRow(tr("Panes on a page"), combo_Arrangement);
    form->addRow(tr("Paper"), combo_Paper);
    form->addRow(tr("Orientation"), orientation);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(shows);
    layout->addLayout(buttons);

    connect(combo_Arrangement, &QComboBox::activated, this, &frmPaper::arrangementChanged);
    for (QRadioButton* orientation : {option_Landscape, option_Portrait})
        connect(orientation, &QRadioButton::clicked, this, [this] { m_orientationChosen = true; });
    connect(spin_FirstBoard, &QSpinBox::valueChanged, this,
            [this](int first) { spin_LastBoard->setMinimum(first); });
    connect(button_Go, &QPushButton::clicked, this, &QDialog::accept);
    connect(button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPaper::arrangementChanged() {
    if (!m_orientationChosen)
        (combo_Arrangement->currentIndex() == 0 ? option_Landscape : option_Portrait)
            ->setChecked(true);
}

std::optional<PaperOptions> frmPaper::Ask(Use use, int boardCount) {
    setWindowTitle(use == Use::Print ? tr("Print") : tr("Export As PDF"));
    button_Go->setText(use == Use::Print ? tr("Preview ...") : tr("Export ..."));
    platform::fitBoardRange(*spin_FirstBoard, *spin_LastBoard, m_allBoards, boardCount);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    m_allBoards = platform::coversAllBoards(*spin_FirstBoard, *spin_LastBoard, boardCount);
    return options();
}

PaperOptions frmPaper::options() const {
    PaperOptions options;
    options.firstBoard = spin_FirstBoard->value();
    options.lastBoard = spin_LastBoard->value();
    options.arrangement = PaneArrangement(combo_Arrangement->currentIndex());
    options.paperSize = kPaperSizes.at(combo_Paper->currentIndex());
    options.orientation =
        option_Landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    options.paneNumbers = check_Shows[0]->isChecked();
    options.labels = check_Shows[1]->isChecked();
    options.texts = check_Shows[2]->isChecked();
    options.webAddresses = check_Shows[3]->isChecked();
    return options;
}

} // namespace editor
