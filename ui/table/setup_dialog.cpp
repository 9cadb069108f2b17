#include "setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "score_dialogs.h"
#include "strengths.h"
#include "table_setup.h"

namespace dakru::ui::table {
namespace {

QString defaultName(std::size_t seat)
{
    return QStringLiteral("Player %1").arg(seat + 1);
}

// A seat the last setup did not fill: the second one is the computer at
// medium strength, the commonest opponent; the others are persons.
Seat unsetSeat(std::size_t seat)
{
    return seat == 1 ? Seat{{}, std::string(advisor::describe(advisor::Strength::Medium).key)} : Seat{};
}

}  // namespace

SetupDialog::SetupDialog(const std::vector<Seat>& last, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TableSetup"));
    setWindowTitle(QStringLiteral("Dakru"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* heading = new QLabel(QStringLiteral("Who plays the next game?"), this);
    players_ = new QComboBox(this);
    players_->setObjectName(QStringLiteral("Players"));
    players_->addItem(QStringLiteral("One player"));
    for (int count = 2; count <= kMostSeats; ++count) {
        players_->addItem(QStringLiteral("%1 players at one table").arg(count));
    }
    auto* playersLabel = new QLabel(QStringLiteral("&Players:"), this);
    playersLabel->setBuddy(players_);
    players_->setAccessibleName(QStringLiteral("Players"));

    auto* grid = new QGridLayout;
    grid->addWidget(playersLabel, 0, 0);
    grid->addWidget(players_, 0, 1, 1, 2);
    const std::vector<Seat> setup = last.empty() ? std::vector<Seat>{} : normalizedSetup(last);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        SeatRow& row = rows_[i];
        const QString number = QString::number(i + 1);
        const Seat seat = i < setup.size() ? setup[i] : unsetSeat(i);

        row.kind = new QComboBox(this);
        row.kind->setObjectName(QStringLiteral("Kind") + number);
        row.kind->setAccessibleName(defaultName(i));
        row.kind->addItem(QStringLiteral("Person"), QString());
        for (const advisor::Strength strength : advisor::kStrengths) {
            const advisor::StrengthInfo& info = advisor::describe(strength);
            row.kind->addItem(QStringLiteral("Computer: ") + QString::fromUtf8(info.name), QString::fromUtf8(info.key));
        }
        row.kind->setCurrentIndex(std::max(0, row.kind->findData(QString::fromStdString(seat.computer.value_or("")))));
        row.label = new QLabel(QStringLiteral("Player &") + number + QLatin1Char(':'), this);
        row.label->setBuddy(row.kind);

        row.name = new QLineEdit(this);
        row.name->setObjectName(QStringLiteral("Name") + number);
        row.name->setAccessibleName(QStringLiteral("Name of player ") + number);
        row.name->setPlaceholderText(defaultName(i));
        row.name->setMaxLength(kLongestName);
        row.name->setMinimumWidth(row.name->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
        // The name the game would give anyway stays unwritten, so that it
        // follows the seat's number when the table changes.
        const QString name = QString::fromStdString(seat.name);
        row.name->setText(seat.person() && name != defaultName(i) ? name : QString());

        row.about = new QLabel(this);
        row.about->setObjectName(QStringLiteral("About") + number);

        const int line = static_cast<int>(i) + 1;
        grid->addWidget(row.label, line, 0);
        grid->addWidget(row.kind, line, 1);
        grid->addWidget(row.name, line, 2);
        grid->addWidget(row.about, line, 2);
        connect(row.kind, &QComboBox::currentIndexChanged, this, [this, &row] { showKind(row); });
    }
    players_->setCurrentIndex(std::clamp(static_cast<int>(setup.size()), 1, kMostSeats) - 1);
    connect(players_, &QComboBox::currentIndexChanged, this, &SetupDialog::showRows);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start = buttons->addButton(QStringLiteral("&Start"), QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("Start"));
    start->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    scores::plainButtons(*buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    // The box grows and shrinks with the seats shown.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Down the seats, each one's kind before its name, then the buttons.
    QWidget* previous = players_;
    for (const SeatRow& row : rows_) {
        setTabOrder(previous, row.kind);
        setTabOrder(row.kind, row.name);
        previous = row.name;
    }
    setTabOrder(previous, start);

    showRows();
    players_->setFocus();
}

void SetupDialog::showRows()
{
    const int shown = players_->currentIndex() == 0 ? 0 : players_->currentIndex() + 1;
    for (int i = 0; i < kMostSeats; ++i) {
        const SeatRow& row = rows_[static_cast<std::size_t>(i)];
        row.label->setVisible(i < shown);
        row.kind->setVisible(i < shown);
        showKind(row);
    }
}

void SetupDialog::showKind(const SeatRow& row)
{
    const QString key = row.kind->currentData().toString();
    const auto strength = advisor::strengthFromKey(key.toStdString());
    const QString about = strength ? QString::fromUtf8(advisor::describe(*strength).description) : QString();
    row.about->setText(about);
    row.kind->setAccessibleDescription(about);
    const bool shown = row.kind->isVisibleTo(this);
    row.name->setVisible(shown && !strength);
    row.about->setVisible(shown && strength.has_value());
}

std::vector<Seat> SetupDialog::seats() const
{
    if (players_->currentIndex() == 0) {
        return normalizedSetup({Seat{rows_[0].name->text().toStdString(), std::nullopt}});
    }
    std::vector<Seat> seats;
    for (int i = 0; i <= players_->currentIndex(); ++i) {
        const SeatRow& row = rows_[static_cast<std::size_t>(i)];
        const QString key = row.kind->currentData().toString();
        seats.push_back(key.isEmpty() ? Seat{row.name->text().toStdString(), std::nullopt}
                                      : Seat{{}, key.toStdString()});
    }
    return normalizedSetup(std::move(seats));
}

}  // namespace dakru::ui::table
