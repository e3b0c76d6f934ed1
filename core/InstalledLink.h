#pragma once

// The one implementation of a link interface that a library above installs, so that
// libraries below it can call up without linking it. Null until installed.
template<typename Interface>
class InstalledLink
{
public:
    static Interface* installed() { return current(); }
    static void install(Interface* link) { current() = link; }

private:
    static Interface*& current()
    {
        static Interface* link = nullptr;
        return link;
    }
};
