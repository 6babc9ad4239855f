#include "editor/animatic/frmvideo.h"

#include "platform/boardrange.h"
#include "platform/namedwidget.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace editor {

using platform::named;

namespace {

constexpr std::array kFrameSizes{QSize(1280, 720), QSize(1920, 1080), QSize(3840, 2160),
                                 QSize(1080, 1080)};
constexpr std::array kFrameRates{24, 25, 30};

QDoubleSpinBox* secondsBox(QWidget* parent, const char* name, double value) {
    auto* box = named(new QDoubleSpinBox(parent), name);
    box->setRange(kMinPaneSeconds, kMaxPaneSeconds);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QCoreApplication::translate("editor::frmVideo", " s"));
    box->setValue(value);
    return box;
}

} // namespace

frmVideo::frmVideo(platform::Platform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
    setObjectName(QStringLiteral("frmVideo"));
    setWindowTitle(tr("Export As Video"));
    setModal(true);
    createControls();
    timingChanged();
}

void frmVideo::createControls() {
    const AnimaticOptions defaults;
    spin_FirstBoard = named(new QSpinBox(this), "spin_FirstBoard");
    spin_LastBoard = named(new QSpinBox(this), "spin_LastBoard");
    auto* range = new QHBoxLayout;
    range->addWidget(spin_FirstBoard);
    range->addWidget(new QLabel(tr("to"), this));
    range->addWidget(spin_LastBoard);
    range->addStretch();

    auto* timing = named(new QGroupBox(tr("Each pane shows for"), this), "frame_Timing");
    option_Fixed = named(new QRadioButton(tr("The same time"), timing), "option_Fixed");
    option_Reading =
        named(new QRadioButton(tr("The time to read its words"), timing), "option_Reading");
    option_Fixed->setChecked(true);
    spin_Seconds = secondsBox(timing, "spin_Seconds", defaults.fixedSeconds);
    spin_WordsPerMinute = named(new QSpinBox(timing), "spin_WordsPerMinute");
    spin_WordsPerMinute->setRange(40, 600);
    spin_WordsPerMinute->setSuffix(tr(" words a minute"));
    spin_WordsPerMinute->setValue(defaults.wordsPerMinute);
    spin_Shortest = secondsBox(timing, "spin_Shortest", defaults.shortestSeconds);
    auto* timingLayout = new QFormLayout(timing);
    timingLayout->addRow(option_Fixed, spin_Seconds);
    timingLayout->addRow(option_Reading, spin_WordsPerMinute);
    timingLayout->addRow(tr("At least"), spin_Shortest);

    check_BlankPanes =
        named(new QCheckBox(tr("Show blank panes as a pause"), this), "check_BlankPanes");
    check_Proportions =
        named(new QCheckBox(tr("Keep the pictures' proportions"), this), "check_Proportions");
    check_Captions =
        named(new QCheckBox(tr("Label and text under the picture"), this), "check_Captions");
    for (QCheckBox* check : {check_BlankPanes, check_Proportions, check_Captions})
        check->setChecked(true);

    combo_FrameSize = named(new QComboBox(this), "combo_FrameSize");
    for (const QSize size : kFrameSizes)
        combo_FrameSize->addItem(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
    combo_FrameRate = named(new QComboBox(this), "combo_FrameRate");
    for (const int rate : kFrameRates)
        combo_FrameRate->addItem(tr("%1 frames a second").arg(rate));
    combo_FrameRate->setCurrentIndex(1);
    combo_FileType = named(new QComboBox(this), "combo_FileType");
    combo_FileType->addItems({tr("MP4 (H.264, AAC)"), tr("WebM (VP9, Opus)")});

    text_Soundtrack = named(new QLineEdit(this), "text_Soundtrack");
    text_Soundtrack->setPlaceholderText(tr("None"));
    text_Soundtrack->setClearButtonEnabled(true);
    button_Soundtrack = named(new QPushButton(tr("Choose ..."), this), "button_Soundtrack");
    auto* sound = new QHBoxLayout;
    sound->addWidget(text_Soundtrack, 1);
    sound->addWidget(button_Soundtrack);

    check_SubtitleTrack =
        named(new QCheckBox(tr("Subtitles in the video"), this), "check_SubtitleTrack");
    check_SubtitleTrack->setChecked(true);
    check_SrtFile =
        named(new QCheckBox(tr("Subtitles in an .srt file beside it"), this), "check_SrtFile");

    button_Go = named(new QPushButton(tr("Export ..."), this), "button_Go");
    button_Go->setDefault(true);
    button_Cancel = named(new QPushButton(tr("Cancel"), this), "button_Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button_Go);
    buttons->addWidget(button_Cancel);

    // Named for a screen reader after what they stand beside.
    spin_FirstBoard->setAccessibleName(tr("First board"));
    spin_LastBoard->setAccessibleName(tr("Last board"));
    spin_Seconds->setAccessibleName(tr("Seconds for every pane"));
    spin_WordsPerMinute->setAccessibleName(tr("Reading pace"));
    spin_Shortest->setAccessibleName(tr("Shortest time"));
    combo_FrameSize->setAccessibleName(tr("Frame size"));
    combo_FrameRate->setAccessibleName(tr("Frame rate"));
    combo_FileType->setAccessibleName(tr("File type"));
    text_Soundtrack->setAccessibleName(tr("Soundtrack"));

    auto* form = new QFormLayout;
    form->addRow(tr("Boards"), range);
    form->addRow(tr("Frame size"), combo_FrameSize);
    form->addRow(tr("Frame rate"), combo_FrameRate);
    form->addRow(tr("File type"), combo_FileType);
    form->addRow(tr("Soundtrack"), sound);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(timing);
    for (QCheckBox* check : {check_BlankPanes, check_Proportions, check_Captions})
        layout->addWidget(check);
    layout->addLayout(form);
    layout->addWidget(check_SubtitleTrack);
    layout->addWidget(check_SrtFile);
    layout->addLayout(buttons);

    connect(option_Fixed, &QRadioButton::toggled, this, &frmVideo::timingChanged);
    connect(spin_FirstBoard, &QSpinBox::valueChanged, this,
            [this](int first) { spin_LastBoard->setMinimum(first); });
    connect(button_Soundtrack, &QPushButton::clicked, this, &frmVideo::chooseSoundtrack);
    connect(button_Go, &QPushButton::clicked, this, &QDialog::accept);
    connect(button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmVideo::timingChanged() {
    const bool fixed = option_Fixed->isChecked();
    spin_Seconds->setEnabled(fixed);
    spin_WordsPerMinute->setEnabled(!fixed);
    spin_Shortest->setEnabled(!fixed);
}

void frmVideo::chooseSoundtrack() {
    platform::FileChooserRequest request;
    request.title = tr("Soundtrack");
    request.filter = tr("Sound (*.mp3 *.m4a *.aac *.ogg *.opus *.oga *.flac *.wav *.mka *.mp4 "
                        "*.webm);;All files (*)");
    request.startFolder = text_Soundtrack->text();
    const platform::FileChoice choice = m_platform.chooseOpenFile(request);
    if (!choice.cancelled)
        text_Soundtrack->setText(choice.fileName);
}

std::optional<VideoOptions> frmVideo::Ask(int boardCount) {
    platform::fitBoardRange(*spin_FirstBoard, *spin_LastBoard, m_allBoards, boardCount);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    m_allBoards = platform::coversAllBoards(*spin_FirstBoard, *spin_LastBoard, boardCount);
    return options();
}

VideoOptions frmVideo::options() const {
    VideoOptions options;
    AnimaticOptions& animatic = options.animatic;
    animatic.timing = option_Fixed->isChecked() ? AnimaticOptions::Timing::Fixed
                                                : AnimaticOptions::Timing::ReadingPace;
    animatic.fixedSeconds = spin_Seconds->value();
    animatic.wordsPerMinute = spin_WordsPerMinute->value();
    animatic.shortestSeconds = spin_Shortest->value();
    animatic.showBlankPanes = check_BlankPanes->isChecked();
    animatic.keepProportions = check_Proportions->isChecked();
    animatic.captions = check_Captions->isChecked();
    animatic.firstBoard = spin_FirstBoard->value();
    animatic.lastBoard = spin_LastBoard->value();
    options.frameSize = kFrameSizes.at(combo_FrameSize->currentIndex());
    options.framesPerSecond = kFrameRates.at(combo_FrameRate->currentIndex());
    options.fileType = VideoOptions::FileType(combo_FileType->currentIndex());
    options.soundtrack = text_Soundtrack->text().trimmed();
    options.subtitleTrack = check_SubtitleTrack->isChecked();
    options.srtFile = check_SrtFile->isChecked();
    return options;
}

} // namespace editor
