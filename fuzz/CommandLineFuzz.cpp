// Parameter strings: any text splits without fault, and arguments quoted by the program come
// back from the splitter exactly as they were, however they are spelled.

#include "FuzzSupport.h"

#include "platform/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QString free = QString::fromUtf8(input.piece(256));
    for (const QString &argument : splitCommandLine(free))
        // Blanks only separate; an argument holds one only where quotes grouped it.
        FUZZ_CHECK(!argument.isEmpty() || free.contains(QLatin1Char('"')));

    QStringList arguments;
    while (!input.empty() && arguments.size() < 8)
        arguments.append(QString::fromUtf8(input.piece(64)));
    QStringList quoted;
    for (const QString &argument : arguments)
        quoted.append(quoteArgument(argument));
    FUZZ_CHECK(splitCommandLine(quoted.join(QLatin1Char(' '))) == arguments);
    return 0;
}
