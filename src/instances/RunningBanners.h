#pragma once

#include "platform/Processes.h"

#include <QStringList>

#include <optional>

// The identifier a banner process runs as: its first argument, whole (spaces
// included); "default" when it has none.
QString instanceIdOf(const BannerProcess& process);

// The rows of the running-banner list: "ticker (PID 4242)" for each banner,
// this process included, each after two spaces; when the list cannot be
// read or is empty, the one row "<identifier> (this)".
QStringList runningBannerRows(const std::optional<QList<BannerProcess>>& banners,
                              const QString& ownInstanceId);
