#pragma once

#include <memory>
#include <string>
#include <vector>

namespace lib::scn
{
class ResourceManager;
}

namespace bexil::look
{

class ILook;

// Every look a game can be drawn in, in the order of the values of the "Look" setting (0 the
// default). A new look is one class and one line of this list: the setting's range and the
// options page's values follow from it.
class LookList
{
public:
    // The looks' names in English, marked for the catalogue, in the setting's order; the options
    // page shows them in the language of the moment.
    static std::vector<std::string> names();
    // Whether a stored number names a look; any other number plays as look 0.
    static bool contains(int stored);
    // A new look for the stored number, drawing from the game scene's resources, which must
    // outlive it. A look whose pictures did not load gives way to the flat classic drawing,
    // which needs none, so that the colours still tell the pieces apart.
    static std::unique_ptr<ILook> make(int stored, const lib::scn::ResourceManager& resources);
};

} // namespace bexil::look
