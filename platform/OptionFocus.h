// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab enters a group of exclusive options at its checked one and the next
// Tab leaves the group; the arrows still move among all of them. Without a
// checked option every one takes Tab, as usual.
class QWidget;

// Applies to the radio buttons under container now and whenever one of
// them toggles. Call again after checking options with their signals blocked.
void tabToCheckedOption(QWidget *container);
