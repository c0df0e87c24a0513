#include "ui/form1.hpp"

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

Form1::Form1(Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform), solverHost_(*this, platform.temporaryDirectory()) {
    setObjectName(QStringLiteral("Form1"));
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
    flasher_.setObjectName(QStringLiteral("flasher"));
    flasher_.setInterval(200);
    connect(&flasher_, &QTimer::timeout, this, [this] { flasher_Timer(); });
}

void Form1::buildControls() {
    for (int i = 0; i < kCellCount; ++i) {
        auto* box = new SdkBox(i, *this, this); // owned by the window
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
        connect(box, &QLineEdit::textChanged, this, [this, i] { SDK_Box_Change(i); });
        SDK_Box_[static_cast<std::size_t>(i)] = box;
    }

    Command5_ = addButton("Command5", QStringLiteral("Solve"), 240, 375);
    Command1_ = addButton("Command1", QStringLiteral("Step Solve"), 720, 495);
    Command6_ = addButton("Command6", QStringLiteral("Probability Check"), 1440, 495);
    ClearButton_ = addButton("ClearButton", QStringLiteral("Clear"), 2040, 375);
    Command3_ = addButton("Command3", QStringLiteral("Save"), 2640, 375);
    Command4_ = addButton("Command4", QStringLiteral("Load"), 3240, 375);
    connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command5_, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6_, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(ClearButton_, &QPushButton::clicked, this, [this] { ClearButton_Click(); });
    connect(Command3_, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4_, &QPushButton::clicked, this, [this] { Command4_Click(); });

    Label1_ = new QLabel(this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setGeometry(pixelRect(layout::kLabelLeft, layout::kLabelTop, layout::kLabelWidth,
                                   layout::kLabelHeight));
    Label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1_->setWordWrap(false);
    Label1_->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    Label1_->setFont(font);
    Label1_->setAutoFillBackground(true);
    setLabelColour(0);

    // Tab order: Step Solve, the cells by index, Clear, Save, Load, Solve,
    // Probability Check.
    QWidget* previous = Command1_;
    for (QWidget* next : SDK_Box_) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* next : {static_cast<QWidget*>(ClearButton_), static_cast<QWidget*>(Command3_),
                          static_cast<QWidget*>(Command4_), static_cast<QWidget*>(Command5_),
                          static_cast<QWidget*>(Command6_)}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

QPushButton* Form1::addButton(const char* name, const QString& caption, int top, int height) {
    auto* button = new CaptionButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(pixelRect(layout::kButtonLeft, top, layout::kButtonWidth, height));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, layout::peach());
    button->setPalette(palette);
    button->setAutoDefault(false);
    return button;
}

void Form1::paintEvent(QPaintEvent* event) {
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

void Form1::Form_Load() {
    userEditing_ = true;
    moveDown_ = false;
    setLabelColour(0);
    ClearButton_Click();
    show();
    Command1_->setFocus(Qt::OtherFocusReason);

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
}

void Form1::closeEvent(QCloseEvent* event) {
    closing_ = true; // a Solve still running stops before its next pass
    solverHost_.removeFolder();
    platform_.messageBox(kFarewellText, kFarewellTitle);
    event->accept();
}

} // namespace cellwright
