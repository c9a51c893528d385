#include "frontend/Statement.h"

// The argument area and the operand texts keep their storage: clearing runs at least
// once per source line, and most lines need the same few buffers again.
void Statement::clear() {
    std::vector<ArgCell> keptArgs = std::move(args);
    std::string keptTexts[3];
    for (int i = 0; i < 3; ++i) keptTexts[i] = std::move(operands[i].text);

    *this = Statement{};

    keptArgs.clear();
    args = std::move(keptArgs);
    for (int i = 0; i < 3; ++i) {
        keptTexts[i].clear();
        operands[i].text = std::move(keptTexts[i]);
    }
}

Statement& currentStatement() {
    static Statement statement;
    return statement;
}
