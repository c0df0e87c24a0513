#include "ui/main_window.hpp"

#include "ui/caption_button.hpp"
#include "ui/layout.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace cellwright {

namespace {

#include "ui/cellwright_icon.xpm"

const QString kFarewellTitle = QStringLiteral("Thank you for using Cellwright");
const QString kFarewellText = QStringLiteral(
    "Cellwright by:\r\nThe Cellwright developers\r\nContact: cellwright@example.org");

QRect pixelRect(int left, int top, int width, int height) {
    return {layout::px(left), layout::px(top), layout::px(width), layout::px(height)};
}

} // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform), solverHost_(platform.temporaryDirectory()),
      stopOnInput_(this, [this] { stopAsking(); }) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Cellwright"));
    setWindowIcon(QIcon(QPixmap(cellwright_icon_xpm)));
    setFixedSize(layout::px(layout::kClientWidth), layout::px(layout::kClientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, layout::lightGrey());
    setPalette(palette);
    setAutoFillBackground(true);
    setAcceptDrops(true);
    QFont dialogFont = font();
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    buildControls();
    buildTeaching();
    flashTimer_.setObjectName(QStringLiteral("flashTimer"));
    flashTimer_.setInterval(200);
    connect(&flashTimer_, &QTimer::timeout, this, [this] { flashTick(); });
}

void MainWindow::buildControls() {
    for (int i = 0; i < kCellCount; ++i) {
        auto* box = new CellEdit(i, *this, this); // owned by the window
        const int row = rowOf(i);
        const int col = colOf(i);
        box->setGeometry(pixelRect(layout::cellPosition(col), layout::cellPosition(row),
                                   layout::kCellWidth, layout::kCellHeight));
        if (layout::isPeachCell(row, col)) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, layout::peach());
            box->setPalette(palette);
        }
        box->setText(QStringLiteral("1")); // as designed; start-up clears the grid
        connect(box, &QLineEdit::textChanged, this, [this, i] {
            noteGridChange(); // first, while the focus is still where the change began
            cellChanged(i);
        });
        cells_[static_cast<std::size_t>(i)] = box;
    }

    solveButton_ = addButton("solveButton", QStringLiteral("Solve"), 240, 375);
    stepSolveButton_ = addButton("stepSolveButton", QStringLiteral("Step Solve"), 720, 495);
    checkButton_ = addButton("checkButton", QStringLiteral("Probability Check"), 1440, 495);
    clearButton_ = addButton("clearButton", QStringLiteral("Clear"), 2040, 375);
    saveButton_ = addButton("saveButton", QStringLiteral("Save"), 2640, 375);
    loadButton_ = addButton("loadButton", QStringLiteral("Load"), 3240, 375);
    connect(stepSolveButton_, &QPushButton::clicked, this, [this] { stepSolve(); });
    connect(solveButton_, &QPushButton::clicked, this, [this] { solve(); });
    connect(checkButton_, &QPushButton::clicked, this, [this] { checkCandidates(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { clear(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { save(); });
    connect(loadButton_, &QPushButton::clicked, this, [this] { load(); });

    messageLine_ = new QLabel(this);
    messageLine_->setObjectName(QStringLiteral("messageLine"));
    messageLine_->setGeometry(pixelRect(layout::kLabelLeft, layout::kLabelTop, layout::kLabelWidth,
                                        layout::kLabelHeight));
    messageLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    messageLine_->setWordWrap(false);
    messageLine_->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    messageLine_->setFont(font);
    messageLine_->setAutoFillBackground(true);
    setMessageColour(0);

    // Tab order: Step Solve, the cells by index, Clear, Save, Load, Solve,
    // Probability Check.
    QWidget* previous = stepSolveButton_;
    for (QWidget* next : cells_) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* next : {static_cast<QWidget*>(clearButton_), static_cast<QWidget*>(saveButton_),
                          static_cast<QWidget*>(loadButton_), static_cast<QWidget*>(solveButton_),
                          static_cast<QWidget*>(checkButton_)}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

QPushButton* MainWindow::addButton(const char* name, const QString& caption, int top, int height) {
    auto* button = new CaptionButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(pixelRect(layout::kButtonLeft, top, layout::kButtonWidth, height));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, layout::peach());
    button->setPalette(palette);
    button->setAutoDefault(false);
    return button;
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    QPen pen(layout::darkRed());
    pen.setWidth(layout::kLineWidthPx);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    for (const auto& line : layout::kBoxLines) {
        painter.drawLine(layout::px(line.x1), layout::px(line.y1), layout::px(line.x2),
                         layout::px(line.y2));
    }
    for (const auto& mark : layout::kCornerMarks) {
        painter.fillRect(pixelRect(mark.left, mark.top, layout::kMarkSize, layout::kMarkSize),
                         layout::darkRed());
    }
}

void MainWindow::start() {
    userEditing_ = true;
    moveDown_ = false;
    setMessageColour(0);
    clear();
    show();
    stepSolveButton_->setFocus(Qt::OtherFocusReason);

    // The argument text names a board file. Launchers and shells on this
    // platform never add quotes, so only a pair of enclosing double quotes is
    // taken off; the rest is the path as it stands.
    std::string path = platform_.commandLine();
    if (path.size() >= 2 && path.starts_with('"') && path.ends_with('"'))
        path = path.substr(1, path.size() - 2);
    if (!path.empty()) {
        loadSudoku(path);
        showArray(engine_.board);
    }
    startHistory();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    closing_ = true; // a Solve still running stops before its next pass
    answerWork_.cancel();
    puzzleWork_.cancel();
    solverHost_.removeFolder();
    platform_.messageBox(kFarewellText, kFarewellTitle);
    event->accept();
}

} // namespace cellwright
