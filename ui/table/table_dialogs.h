#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "seat.h"

namespace dakru::ui::table {

// The modal box that sets up a game. Tests script the answers.
class TableDialogs {
public:
    virtual ~TableDialogs() = default;
    // Who plays the next game, offered as `last` was set up (empty: one
    // player). One person alone is the game for one player; two to six
    // seats a table, normalized (see normalizedSetup). None when cancelled.
    virtual std::optional<std::vector<Seat>> askSetup(const std::vector<Seat>& last) = 0;
};

// The setup dialog, titled "Dakru", over `parent` or else the active window.
class QtTableDialogs final : public TableDialogs {
public:
    explicit QtTableDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::vector<Seat>> askSetup(const std::vector<Seat>& last) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace dakru::ui::table
