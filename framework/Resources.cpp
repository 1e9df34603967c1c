#include "Resources.h"

namespace fw {

namespace {
std::function<Ref<ResourceFork>()>& provider()
{
    static std::function<Ref<ResourceFork>()> current;
    return current;
}
} // namespace

Ref<ResourceFork> appResourceForkGetter() { return provider() ? provider()() : nullptr; }
void SetResourceForkProvider(std::function<Ref<ResourceFork>()> make) { provider() = std::move(make); }

} // namespace fw
