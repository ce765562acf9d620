// Threads by handle. The handles live on the GUI thread; the procedures run
// anywhere and share nothing with this file.
#include "platform/registry.h"

#include <system_error>

// The procedure's result is not kept; nobody reads it.
int StartThread(ThreadProcedure procedure, int parameter)
{
    if (!procedure)
        return 0;
    std::thread thread;
    try {
        thread = std::thread(procedure, parameter);
    } catch (const std::system_error&) {
        return 0; // no thread could be made: the caller carries on without one
    }
    const int handle = Registry.nextThread++;
    Registry.threads[handle] = std::move(thread);
    return handle;
}

// Joins, so whatever the thread used may be freed afterwards.
void WaitThread(int handle)
{
    const auto found = Registry.threads.find(handle);
    if (found == Registry.threads.end())
        return;
    std::thread& thread = found->second;
    if (thread.joinable()) {
        // A thread cannot wait for itself; let it run out on its own instead.
        if (thread.get_id() == std::this_thread::get_id())
            thread.detach();
        else
            thread.join();
    }
    Registry.threads.erase(found);
}

// Threads started and not yet waited for.
int CountThreads()
{
    return static_cast<int>(Registry.threads.size());
}
