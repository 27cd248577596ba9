// SPDX-FileCopyrightText: 2026 The Orvanta developers
// SPDX-License-Identifier: MIT
#include "GenerateCommand.h"

#include "MainWindowControls.h"
#include "Random.h"
#include "RandomNamePart.h"
#include "platform/Controls.h"
#include "platform/Program.h"
#include "platform/TextServices.h"

#include <cstdint>
#include <limits>

using platform::Text;

namespace {

constexpr double countLimit = 100.0;
constexpr double countTolerance = 1e-7;

double readCount()
{
    return platform::toNumber(platform::editBoxText(mainWindow, countBox));
}

// The number of lines for a count: truncated toward zero, then the low 32 bits. A count whose
// truncation lies below the 32-bit range gives no lines, like every other count below 1.
std::int32_t lineCount(double count)
{
    const std::int64_t truncated = platform::realToInteger(count);
    if (truncated < std::numeric_limits<std::int32_t>::min())
        return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(truncated));
}

} // namespace

void OnGenerateClicked()
{
    if (platform::compare(platform::editBoxText(mainWindow, countBox), Text()) == 0) {
        platform::messageBox(Text::fromLiteral("请输入生成个数！"));
        return;
    }
    if (readCount() - countLimit > countTolerance)
        platform::setEditBoxText(mainWindow, countBox, Text::fromLiteral("100"));
    const bool mailForm = platform::checkBoxState(mainWindow, mailFormBox) == 1;
    const std::int32_t lines = lineCount(readCount());

    const Text suffix = Text::fromLiteral(mailForm ? "@qq.com\r\n" : "\r\n");
    for (std::int32_t i = 0; i < lines; ++i) {
        const Text name = RandomNamePart(2, 1);
        const Text number = RandomNumberText(1000, 9999, 1);
        const Text line = platform::concatenate({ name, number, suffix });
        // Events were processed while the name was drawn. If the user closed the window in the
        // meantime, the run ends here quietly instead of appending to a box that is gone.
        if (!platform::isWindowLoaded(mainWindow))
            return;
        platform::appendToEditBox(mainWindow, outputBox, line);
    }
}
