#include "editor/print/frmpaper.h"

#include "editor/print/paperdrawing.h"
#include "platform/boardrange.h"
#include "platform/namedwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace editor {

using platform::named;

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
    // Until the user picks one, each print takes the orientation that gives its
    // pictures the most room; a choice stays until the user changes it.
    option_BestFit = named(new QRadioButton(tr("Best fit"), this), "option_BestFit");
    option_Landscape = named(new QRadioButton(tr("Landscape"), this), "option_Landscape");
    option_Portrait = named(new QRadioButton(tr("Portrait"), this), "option_Portrait");
    option_BestFit->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(option_BestFit);
    orientation->addWidget(option_Landscape);
    orientation->addWidget(option_Portrait);
    orientation->addStretch();

    auto* shows = named(new QGroupBox(tr("Each pane shows"), this), "frame_Shows");
    auto* showsLayout = new QGridLayout(shows);
    const char* names[] = {"check_Number", "check_Label", "check_Text", "check_Address"};
    const QString captions[] = {tr("Number"), tr("Label"), tr("Text"), tr("Web address")};
    const QString spoken[] = {tr("Each pane shows its number"), tr("Each pane shows its label"),
                              tr("Each pane shows its text"),
                              tr("Each pane shows its web address")};
    for (int i = 0; i < 4; ++i) {
        check_Shows[i] = named(new QCheckBox(captions[i], shows), names[i]);
        check_Shows[i]->setChecked(true);
        check_Shows[i]->setAccessibleName(spoken[i]);
        showsLayout->addWidget(check_Shows[i], 0, i);
    }
    check_NotesInFull =
        named(new QCheckBox(tr("Notes in full below the board"), shows), "check_NotesInFull");
    check_NotesInFull->setAccessibleName(tr("Notes in full below the board"));
    label_NoteLines = named(new QLabel(shows), "label_NoteLines");
    showsLayout->addWidget(label_NoteLines, 1, 0, 1, 4);
    showsLayout->addWidget(check_NotesInFull, 2, 0, 1, 4);

    check_Continuous =
        named(new QCheckBox(tr("Continuous rows: boards share pages"), this), "check_Continuous");
    check_Continuous->setAccessibleName(tr("Continuous rows"));
    check_Continuous->setEnabled(false);
    check_Proportions =
        named(new QCheckBox(tr("Keep each picture's proportions"), this), "check_Proportions");
    check_Proportions->setAccessibleName(tr("Keep each picture's proportions"));
    check_Proportions->setChecked(true);

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
    form->addRow(QString(), check_Continuous);
    form->addRow(tr("Paper"), combo_Paper);
    form->addRow(tr("Orientation"), orientation);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(shows);
    layout->addWidget(check_Proportions);
    layout->addLayout(buttons);

    connect(combo_Arrangement, &QComboBox::currentIndexChanged, this,
            &frmPaper::arrangementChanged);
    connect(spin_FirstBoard, &QSpinBox::valueChanged, this,
            [this](int first) { spin_LastBoard->setMinimum(first); });
    connect(combo_Paper, &QComboBox::currentIndexChanged, this, &frmPaper::showNoteLines);
    for (QRadioButton* orientation : {option_BestFit, option_Landscape, option_Portrait})
        connect(orientation, &QRadioButton::toggled, this, &frmPaper::showNoteLines);
    for (QCheckBox* check : {check_Shows[1], check_Shows[2], check_Shows[3], check_NotesInFull})
        connect(check, &QCheckBox::toggled, this, &frmPaper::showNoteLines);
    connect(button_Go, &QPushButton::clicked, this, &QDialog::accept);
    connect(button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPaper::arrangementChanged() {
    check_Continuous->setEnabled(combo_Arrangement->currentIndex() != 0);
    check_NotesInFull->setEnabled(combo_Arrangement->currentIndex() == 0);
    showNoteLines();
}

void frmPaper::showNoteLines() {
    if (!m_project)
        return;
    const PaperOptions chosen = options();
    if (chosen.notesInFull) {
        label_NoteLines->setText(tr("Each note is printed whole in a list under its board."));
        return;
    }
    const int lines = paperNoteLines(*m_project, chosen);
    label_NoteLines->setText(
        lines == 1 ? tr("A note shows at most 1 line; the rest is cut.")
                   : tr("A note shows at most %1 lines; the rest is cut.").arg(lines));
}

std::optional<PaperOptions> frmPaper::Ask(Use use, const ProjectRecord& project) {
    const int boardCount = project.BoardCount;
    setWindowTitle(use == Use::Print ? tr("Print") : tr("Export As PDF"));
    button_Go->setText(use == Use::Print ? tr("Preview ...") : tr("Export ..."));
    platform::fitBoardRange(*spin_FirstBoard, *spin_LastBoard, m_allBoards, boardCount);
    m_project = &project;
    showNoteLines();
    const bool accepted = exec() == QDialog::Accepted;
    m_project = nullptr;
    if (!accepted)
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
    if (option_Landscape->isChecked())
        options.orientation = QPageLayout::Landscape;
    else if (option_Portrait->isChecked())
        options.orientation = QPageLayout::Portrait;
    options.continuous =
        check_Continuous->isChecked() && options.arrangement != PaneArrangement::BoardGrid;
    options.keepProportions = check_Proportions->isChecked();
    options.notesInFull =
        check_NotesInFull->isChecked() && options.arrangement == PaneArrangement::BoardGrid;
    options.paneNumbers = check_Shows[0]->isChecked();
    options.labels = check_Shows[1]->isChecked();
    options.texts = check_Shows[2]->isChecked();
    options.webAddresses = check_Shows[3]->isChecked();
    return options;
}

} // namespace editor
