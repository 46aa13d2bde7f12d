// SPDX-License-Identifier: MIT
#pragma once

// How many profiles the host offers: the switcher shows profiles 1 to 5, stored as 0 to 4.
// The store keeps more; the keyboard and the host use only these.

constexpr int kShownProfileCount = 5;
