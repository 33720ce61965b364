#pragma once

#include "random.h"

#include <QList>
#include <QQueue>

#include <algorithm>

// Random numbers from a seed, except that the next shuffle can be told to
// deal a given deck: the cards asked for come first, in order, and the rest
// follow in code order. The shuffle places each card where its number
// points, so aiming every number at a free place lays the deck out exactly.
class StackedRandom final : public RandomSource
{
public:
    explicit StackedRandom(std::uint64_t seed) : m_seeded(seed) {}

    void stackNextDeck(const QList<int> &first)
    {
        QList<int> order = first;
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                if (!first.contains(suit * 100 + rank))
                    order << suit * 100 + rank;
        m_queue.clear();
        // The shuffle takes the cards in code order.
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                m_queue.enqueue((static_cast<double>(order.indexOf(suit * 100 + rank)) + 0.5) / 52.0);
    }

    double next() override { return m_queue.isEmpty() ? m_seeded.next() : m_queue.dequeue(); }
    // A stacked deck still comes first.
    void reseed(std::uint64_t seed) override { m_seeded.reseed(seed); }

private:
    SeededRandom m_seeded;
    QQueue<double> m_queue;
};
