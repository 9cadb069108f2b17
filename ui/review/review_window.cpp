#include "review_window.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QTreeWidget>

#include "decision_view.h"
#include "game_check.h"
#include "recorded_games.h"
#include "review_lines.h"
#include "review_style.h"
#include "review_text.h"
#include "stored_record.h"
#include "turn_loss_plot.h"

namespace dakru::ui::coach {
namespace {

constexpr int kWidth = kReviewWidth;
constexpr int kHeight = kReviewHeight;
constexpr int kMargin = 12;
constexpr int kLine = 22;
constexpr int kCaptionWidth = 200;
constexpr int kFiguresWidth = 300;
constexpr int kRight = kMargin + kFiguresWidth + 20;

constexpr auto kWindowFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                              | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;

enum ListColumn { Lost, Turn, Roll, Played, Best, Grade, ListColumns };

QLabel* label(QWidget* parent, const QString& name, const QRect& rect, const QString& text, const QFont& font,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(rect);
    l->setFont(font);
    l->setAlignment(alignment);
    return l;
}

void tell(QWidget* widget, QAccessible::Event what)
{
    QAccessibleEvent event(widget, what);
    QAccessible::updateAccessibility(&event);
}

QString progressLine(int percent)
{
    return QStringLiteral("Reviewing the game\u2026 %1 %").arg(percent);
}

}  // namespace

ReviewWindow::ReviewWindow(std::optional<GameToReview> game, std::filesystem::path picturesDir, QWidget* parent)
    : QWidget(parent, kWindowFlags), pictures_(std::move(picturesDir))
{
    build();
    reviewGame(std::move(game));
}

ReviewWindow::ReviewWindow(const review::Reviewed& reviewed, std::filesystem::path picturesDir, QWidget* parent)
    : QWidget(parent, kWindowFlags), pictures_(std::move(picturesDir))
{
    build();
    showOutcome(reviewed);
}

ReviewWindow::ReviewWindow(std::filesystem::path picturesDir, QWidget* parent)
    : QWidget(parent, kWindowFlags), pictures_(std::move(picturesDir))
{
    build();
    showStatus(QStringLiteral("Looking for the last game you finished\u2026"));
}

void ReviewWindow::reviewGame(std::optional<GameToReview> game)
{
    if (!game) {
        showNothing(QStringLiteral("There is no game to review yet: F5 reviews the last game played to the end."));
        return;
    }
    showStatus(progressLine(0));
    delete runner_;
    runner_ = new ReviewRunner(std::move(*game), this);
    connect(runner_, &ReviewRunner::progressed, this, [this](int percent) { showStatus(progressLine(percent)); });
    connect(runner_, &ReviewRunner::finished, this, &ReviewWindow::showOutcome);
}

void ReviewWindow::reviewStored(const history::FinishedGame& game)
{
    review::StoredRecord stored = review::readStoredRecord(game.record);
    if (!stored.record) {
        showOutcome({std::nullopt, stored.refusal});
        return;
    }
    reviewGame(GameToReview{std::move(*stored.record), history::sheetOf(game)});
}

void ReviewWindow::reviewLastOf(const history::HistoryContents& contents)
{
    if (contents.error) {
        showNothing(contents.error->trouble == history::Trouble::Busy
                        ? QStringLiteral("The history of your games is busy: another copy of Dakru is writing it. "
                                         "Press F5 again in a moment.")
                        : QStringLiteral("The history of your games cannot be read, so there is no game to review."));
        return;
    }
    // Damaged rows are left out, as the statistics leave them out.
    const std::vector<history::FinishedGame> games = history::checked(contents.games).intact;
    if (const std::optional<std::size_t> last = history::nthLastWithRecord(games, 1)) {
        reviewStored(games[*last]);
    } else if (games.empty()) {
        reviewGame(std::nullopt);
    } else {
        showNothing(
            QStringLiteral("No game in your history has a record of its decisions (games played before "
                           "Dakru kept them have none): F5 reviews the next game you finish."));
    }
}

void ReviewWindow::build()
{
    setObjectName(QStringLiteral("frmReview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dakru - Review"));
    setAccessibleName(windowTitle());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kGround);
    colours.setColor(QPalette::WindowText, kText);
    colours.setColor(QPalette::Base, kGround.darker(130));
    colours.setColor(QPalette::AlternateBase, kGround);
    colours.setColor(QPalette::Text, kText);
    colours.setColor(QPalette::Button, kGround);
    colours.setColor(QPalette::ButtonText, kText);
    colours.setColor(QPalette::Highlight, kAxis);
    colours.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    pages_ = new QStackedWidget(this);
    status_ = label(pages_, QStringLiteral("ReviewStatus"), {}, {}, reviewFont(10), Qt::AlignCenter);
    status_->setWordWrap(true);
    status_->setMargin(24);
    pages_->addWidget(status_);
    setFixedSize(kWidth, kHeight);
    pages_->setGeometry(rect());
}

void ReviewWindow::showStatus(const QString& line)
{
    status_->setText(line);
    status_->setAccessibleName(line);
    setAccessibleDescription(line);
    pages_->setCurrentWidget(status_);
    tell(status_, QAccessible::NameChanged);
}

void ReviewWindow::showNothing(const QString& line)
{
    setFixedSize(kWidth / 2 + 60, 140);
    pages_->setGeometry(rect());
    showStatus(line);
    tell(status_, QAccessible::Alert);
}

QString ReviewWindow::statusLine() const
{
    return pages_->currentWidget() == status_ ? status_->text() : QString();
}

void ReviewWindow::showOutcome(const review::Reviewed& reviewed)
{
    if (runner_ != nullptr) {
        runner_->deleteLater();
        runner_ = nullptr;
    }
    if (!reviewed.review) {
        showStatus(QStringLiteral("This game cannot be reviewed: %1.").arg(QString::fromStdString(reviewed.refusal)));
        tell(status_, QAccessible::Alert);
        emit ready();
        return;
    }
    review_ = *reviewed.review;
    order_ = costliestFirst(*review_);
    overview_ = new QWidget(pages_);
    overview_->setObjectName(QStringLiteral("Overview"));
    pages_->addWidget(overview_);
    showFigures(*review_);
    showDecisions(*review_);
    decision_ = new DecisionView(pictures_, pages_);
    pages_->addWidget(decision_);
    pages_->setCurrentWidget(overview_);
    list_->setFocus();
    emit ready();
}

void ReviewWindow::showFigures(const review::Review& review)
{
    const auto count = static_cast<int>(review.decisions.size());
    const auto grades = [&](review::Grade grade) { return review.grades[static_cast<int>(grade)]; };
    struct Figure {
        const char* name;
        QString caption;
        QString value;
    };
    const Figure figures[] = {
        {"FinalScore", QStringLiteral("Score"), QString::number(review.finalScore)},
        {"Decisions", QStringLiteral("Decisions"), QString::number(count)},
        {"PointsLost", QStringLiteral("Points lost in all"), points(review.lost)},
        {"MeanLoss", QStringLiteral("Mean loss per decision"), QString::number(review.meanLoss, 'f', 2)},
        {"BestShare", QStringLiteral("Best decisions"), QString::number(100 * review.bestShare, 'f', 1) + " %"},
        {"BestCount", gradeCaption(review::Grade::Best), QString::number(grades(review::Grade::Best))},
        {"InaccuracyCount", gradeCaption(review::Grade::Inaccuracy),
         QString::number(grades(review::Grade::Inaccuracy))},
        {"MistakeCount", gradeCaption(review::Grade::Mistake), QString::number(grades(review::Grade::Mistake))},
        {"BlunderCount", gradeCaption(review::Grade::Blunder), QString::number(grades(review::Grade::Blunder))},
        {"RecordedFrom", QStringLiteral("Recorded from"), recordedFrom(review)},
        {"HintsShown", QStringLiteral("Hints shown"), QString::number(review.hintsShown)},
    };
    QStringList readings;
    int top = kMargin;
    for (const Figure& figure : figures) {
        const QString name = QString::fromLatin1(figure.name);
        label(overview_, name + QStringLiteral("Caption"), QRect(kMargin, top, kCaptionWidth, kLine), figure.caption,
              reviewFont(9));
        QLabel* shown =
            label(overview_, name, QRect(kMargin + kCaptionWidth, top, kFiguresWidth - kCaptionWidth, kLine),
                  figure.value, reviewFont(9, true), Qt::AlignRight | Qt::AlignVCenter);
        shown->setAccessibleName(figure.caption + QStringLiteral(": ") + figure.value);
        readings << shown->accessibleName();
        top += kLine;
    }
    setAccessibleDescription(readings.join(QStringLiteral("; ")) + QLatin1Char('.'));

    plot_ = new TurnLossPlot(lossPerTurn(review), overview_);
    plot_->setObjectName(QStringLiteral("TurnLossPlot"));
    plot_->setGeometry(kRight, kMargin, kWidth - kRight - kMargin, top - kMargin);
    plot_->setAccessibleName(QStringLiteral("Points lost in each turn"));
    plot_->setAccessibleDescription(plot_->reading());
}

void ReviewWindow::showDecisions(const review::Review& review)
{
    const int top = kMargin + 11 * kLine + 12;
    label(overview_, QStringLiteral("DecisionsCaption"), QRect(kMargin, top, kWidth - 2 * kMargin, kLine),
          QStringLiteral("Every decision, costliest first"), reviewFont(9, true));
    list_ = new QTreeWidget(overview_);
    list_->setObjectName(QStringLiteral("DecisionList"));
    list_->setAccessibleName(QStringLiteral("Every decision, costliest first"));
    list_->setGeometry(kMargin, top + kLine + 2, kWidth - 2 * kMargin, kHeight - top - 3 * kLine - kMargin);
    list_->setFont(reviewFont(9));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHeaderLabels({QStringLiteral("Lost"), QStringLiteral("Turn"), QStringLiteral("Roll"),
                            QStringLiteral("You"), QStringLiteral("The advisor"), QStringLiteral("Grade")});
    for (const auto& [column, width] : {std::pair(Lost, 48), std::pair(Turn, 40), std::pair(Roll, 36),
                                        std::pair(Played, 270), std::pair(Best, 270)}) {
        list_->setColumnWidth(column, width);
    }
    QList<QTreeWidgetItem*> items;
    for (const int place : order_) {
        const review::Decision& d = review.decisions[static_cast<std::size_t>(place)];
        auto* item = new QTreeWidgetItem;
        item->setText(Lost, lossText(d.loss));
        item->setTextAlignment(Lost, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(Turn, QString::number(d.turn));
        item->setText(Roll, QString::number(d.roll));
        item->setText(Played, QString::fromStdString(review::actionText(d.played, d.position)));
        item->setText(Best, QString::fromStdString(review::actionText(d.best, d.position)));
        item->setText(Grade, QString::fromStdString(review::gradeName(d.grade))
                                 + (d.hinted ? QStringLiteral(", after a hint") : QString()));
        // The line as one sentence, for screen readers.
        item->setData(Lost, Qt::AccessibleTextRole, decisionSentence(d));
        for (int column = 0; column < ListColumns; ++column) {
            item->setForeground(column, gradeColour(d.grade));
        }
        items << item;
    }
    list_->addTopLevelItems(items);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        const std::optional<int> chosen = chosenDecision();
        plot_->chooseTurn(chosen ? review_->decisions[static_cast<std::size_t>(*chosen)].turn : 0);
    });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openDecision(list_->indexOfTopLevelItem(item)); });
    list_->installEventFilter(this);
    if (!items.isEmpty()) {
        list_->setCurrentItem(items.front());
    }

    const QString help = items.isEmpty()
                             ? QStringLiteral("No decision had more than one choice. Esc closes the window.")
                             : QStringLiteral("Up and Down choose a decision, Enter opens it, Esc closes the window.");
    label(overview_, QStringLiteral("OverviewHelp"),
          QRect(kMargin, kHeight - kMargin - kLine, kWidth - 2 * kMargin, kLine), help, reviewFont(9));
}

std::optional<int> ReviewWindow::chosenDecision() const
{
    if (list_ == nullptr || list_->currentItem() == nullptr) {
        return std::nullopt;
    }
    return order_[static_cast<std::size_t>(list_->indexOfTopLevelItem(list_->currentItem()))];
}

bool ReviewWindow::decisionOpen() const
{
    return decision_ != nullptr && pages_->currentWidget() == decision_;
}

void ReviewWindow::openDecision(int row)
{
    if (row < 0 || row >= static_cast<int>(order_.size())) {
        return;
    }
    list_->setCurrentItem(list_->topLevelItem(row));
    decision_->showDecision(review_->decisions[static_cast<std::size_t>(order_[static_cast<std::size_t>(row)])],
                            row + 1, static_cast<int>(order_.size()));
    pages_->setCurrentWidget(decision_);
    decision_->setFocus();
    tell(decision_, QAccessible::Focus);
}

void ReviewWindow::closeDecision()
{
    pages_->setCurrentWidget(overview_);
    list_->setFocus();
    if (list_->currentItem() != nullptr) {
        list_->scrollToItem(list_->currentItem());
    }
}

// Enter on the list opens the chosen decision, whatever the platform makes of Enter in a list.
bool ReviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openDecision(list_->indexOfTopLevelItem(list_->currentItem()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReviewWindow::keyPressEvent(QKeyEvent* event)
{
    const bool open = decisionOpen();
    switch (event->key()) {
    case Qt::Key_Escape:
        if (open) {
            closeDecision();
        } else {
            close();
        }
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (open) {
            openDecision(std::max(0, list_->indexOfTopLevelItem(list_->currentItem()) - 1));
            return;
        }
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (open) {
            openDecision(
                std::min(static_cast<int>(order_.size()) - 1, list_->indexOfTopLevelItem(list_->currentItem()) + 1));
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!open && list_ != nullptr) {
            openDecision(list_->indexOfTopLevelItem(list_->currentItem()));
            return;
        }
        break;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace dakru::ui::coach
