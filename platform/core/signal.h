// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace forms {

namespace signaldetail {

// One connection. A signal holds it; its receiver, if it has one, only looks on and
// cuts it when it goes, so that no call reaches a receiver that is gone.
struct Connection
{
    bool alive = true;
    const void *receiver = nullptr;
    // The member function connected, as bytes, so that it is connected once.
    std::vector<unsigned char> method;
};

} // namespace signaldetail

// Whoever receives a signal through a member function or on behalf of itself: its
// connections are cut when it goes.
class Receiver
{
public:
    Receiver() = default;
    Receiver(const Receiver &) = delete;
    Receiver &operator=(const Receiver &) = delete;
    ~Receiver()
    {
        for (const auto &connection : m_connections)
            if (const auto alive = connection.lock())
                alive->alive = false;
    }

private:
    template <typename... Args>
    friend class Signal;
    void track(const std::shared_ptr<signaldetail::Connection> &connection)
    {
        std::erase_if(m_connections, [](const auto &known) { return known.expired(); });
        m_connections.push_back(connection);
    }

    std::vector<std::weak_ptr<signaldetail::Connection>> m_connections;
};

// What happened, reported to whoever connected, in the order they connected. A member
// function of one receiver is connected once however often it is asked; a function may
// take all of the arguments or none. Reporting is re-entrant: a call that connects,
// cuts or reports again does not disturb the calls still to come.
template <typename... Args>
class Signal
{
public:
    Signal() = default;
    Signal(const Signal &) = delete;
    Signal &operator=(const Signal &) = delete;

    template <typename R>
    void connect(R *receiver, void (R::*method)(Args...))
    {
        add(receiver, methodBytes(method), [receiver, method](Args... args) { (receiver->*method)(args...); });
    }
    template <typename R>
        requires(sizeof...(Args) > 0)
    void connect(R *receiver, void (R::*method)())
    {
        add(receiver, methodBytes(method), [receiver, method](Args...) { (receiver->*method)(); });
    }
    // A function for as long as the receiver lives.
    template <typename Function>
    void connect(Receiver *receiver, Function function)
    {
        if constexpr (std::is_invocable_v<Function, Args...>)
            add(receiver, {}, std::function<void(Args...)>(std::move(function)));
        else
            add(receiver, {}, [function = std::move(function)](Args...) mutable { function(); });
    }
    // A function for as long as the signal lives.
    template <typename Function>
    void connect(Function function)
    {
        connect(static_cast<Receiver *>(nullptr), std::move(function));
    }

    bool isConnected() const
    {
        return std::any_of(m_slots.begin(), m_slots.end(), [](const Slot &slot) { return slot.connection->alive; });
    }

    void report(Args... args) const
    {
        // The slots as they stand now; one cut meanwhile is passed over.
        const std::vector<Slot> current = m_slots;
        for (const Slot &slot : current)
            if (slot.connection->alive)
                slot.function(args...);
    }
    void operator()(Args... args) const { report(args...); }

private:
    struct Slot
    {
        std::shared_ptr<signaldetail::Connection> connection;
        std::function<void(Args...)> function;
    };

    template <typename Method>
    static std::vector<unsigned char> methodBytes(Method method)
    {
        std::vector<unsigned char> bytes(sizeof(method));
        std::memcpy(bytes.data(), &method, sizeof(method));
        return bytes;
    }

    template <typename R>
    void add(R *receiver, std::vector<unsigned char> method, std::function<void(Args...)> function)
    {
        std::erase_if(m_slots, [](const Slot &slot) { return !slot.connection->alive; });
        const void *identity = static_cast<const void *>(receiver);
        if (!method.empty()
            && std::any_of(m_slots.begin(), m_slots.end(), [&](const Slot &slot) {
                   return slot.connection->receiver == identity && slot.connection->method == method;
               }))
            return;
        auto connection = std::make_shared<signaldetail::Connection>(
            signaldetail::Connection{.alive = true, .receiver = identity, .method = std::move(method)});
        if (receiver)
            static_cast<Receiver *>(receiver)->track(connection);
        m_slots.push_back({std::move(connection), std::move(function)});
    }

    std::vector<Slot> m_slots;
};

} // namespace forms
