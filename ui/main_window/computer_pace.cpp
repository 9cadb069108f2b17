#include "computer_pace.h"

#include <random>

#include "strengths.h"

namespace dakru::ui {
namespace {

// A computer thinks about a turn's dice at most this often; more would be a
// player that asks for what the game refuses, which none of the strengths does.
constexpr int kMostStepsInATurn = 40;

}  // namespace

ComputerPace::ComputerPace(Engine& engine, std::function<void(const advisor::TurnStep&)> click, QObject* parent)
    : QObject(parent), engine_(engine), click_(std::move(click))
{
    timer_.setSingleShot(true);
    timer_.setInterval(kStepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ComputerPace::step);
}

ComputerPace::~ComputerPace() = default;

bool ComputerPace::playing() const
{
    return timer_.isActive() || stepping_;
}

void ComputerPace::follow(bool underWay)
{
    underWay_ = underWay;
    if (stepping_) {
        return;
    }
    if (!underWay || !engine_.computerToPlay()) {
        timer_.stop();
    } else if (!timer_.isActive()) {
        timer_.start();
    }
}

// Each computer player thinks with a seed of its own, from the system's
// entropy: a game against the computer is never the same twice.
advisor::ComputerTurn& ComputerPace::turnOf(int seat)
{
    if (table_ != engine_.table()) {
        table_ = engine_.table();
        turns_.clear();
        turns_.resize(table_.size());
    }
    auto& turn = turns_.at(static_cast<std::size_t>(seat));
    if (!turn) {
        const std::optional<advisor::Strength> strength =
            advisor::strengthFromKey(table_[static_cast<std::size_t>(seat)].computer.value_or(""));
        std::random_device entropy;
        const std::uint64_t seed = (static_cast<std::uint64_t>(entropy()) << 32) | entropy();
        turn = std::make_unique<advisor::ComputerTurn>(
            advisor::makePlayer(strength.value_or(advisor::Strength::Medium), seed));
    }
    return *turn;
}

void ComputerPace::step()
{
    if (!engine_.computerToPlay()) {
        return;
    }
    const std::optional<advisor::TurnStep> next = turnOf(engine_.seatToPlay()).next(engine_.gameState());
    if (!next) {
        return;
    }
    stepping_ = true;
    click_(*next);
    stepping_ = false;
    // The next step is timed from here, once this one's sounds are under way.
    follow(underWay_);
}

void ComputerPace::hurry()
{
    if (!engine_.computerToPlay() || stepping_) {
        return;
    }
    timer_.stop();
    const int seat = engine_.seatToPlay();
    const bool soundOff = engine_.soundOff();
    engine_.setSoundOff(true);  // no rattle to wait for
    for (int steps = 0; steps < kMostStepsInATurn && engine_.computerToPlay() && engine_.seatToPlay() == seat;
         ++steps) {
        const std::optional<advisor::TurnStep> next = turnOf(seat).next(engine_.gameState());
        if (!next) {
            break;
        }
        stepping_ = true;
        click_(*next);
        stepping_ = false;
    }
    engine_.setSoundOff(soundOff);
    follow(underWay_);
}

}  // namespace dakru::ui
