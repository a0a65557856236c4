#include "SimTrace.h"

namespace {

const char Suits[] = "CDHS";
const char Values[] = "A23456789TJQK";

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

} // namespace

TSimTrace::~TSimTrace()
{
    if (file)
        std::fclose(file);
}

bool TSimTrace::Open(const std::string& path)
{
    file = std::fopen(path.c_str(), "w");
    return file != nullptr;
}

std::string TSimTrace::CardName(const TCard& card)
{
    return {Values[card.Value()], Suits[card.Suit()]};
}

void TSimTrace::Line(const std::string& text)
{
    std::fputs(text.c_str(), file);
    std::fputc('\n', file);
}

void TSimTrace::Game(int n, const std::string& variant, uint32_t rng)
{
    if (file)
        Line("{\"ev\":\"game\",\"n\":" + std::to_string(n) + ",\"variant\":" + Quoted(variant) +
             ",\"rng\":" + std::to_string(rng) + "}");
}

void TSimTrace::Deck(TCardSuit trumps, const std::vector<TCard*>& cards)
{
    if (!file)
        return;
    std::string list;
    for (const TCard* card : cards) {
        if (!list.empty())
            list += ',';
        list += Quoted(CardName(*card));
    }
    Line("{\"ev\":\"deck\",\"trumps\":" + Quoted(std::string(1, Suits[trumps])) + ",\"cards\":[" +
         list + "]}");
}

void TSimTrace::Move(int state, const TCard& card, const std::string& from, const std::string& to,
                     int index)
{
    if (file)
        Line("{\"ev\":\"move\",\"s\":" + std::to_string(state) +
             ",\"card\":" + Quoted(CardName(card)) + ",\"from\":" + Quoted(from) +
             ",\"to\":" + Quoted(to) + ",\"index\":" + std::to_string(index) + "}");
}

void TSimTrace::MovePile(int state, const std::string& pile, int x, int y)
{
    if (file)
        Line("{\"ev\":\"movepile\",\"s\":" + std::to_string(state) + ",\"pile\":" + Quoted(pile) +
             ",\"x\":" + std::to_string(x) + ",\"y\":" + std::to_string(y) + "}");
}

void TSimTrace::Result(int state, int result)
{
    if (file)
        Line("{\"ev\":\"result\",\"s\":" + std::to_string(state) +
             ",\"result\":" + std::to_string(result) + "}");
}
