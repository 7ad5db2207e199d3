#include "bexil/look/LookList.hpp"

#include "bexil/look/ClassicLook.hpp"
#include "bexil/look/ColourBlindLook.hpp"
#include "bexil/look/ModernLook.hpp"
#include "lib/Translation.hpp"
#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <cstddef>
#include <iterator>

namespace bexil::look
{

namespace
{

using Maker = std::unique_ptr<ILook> (*)(const lib::scn::ResourceManager&);

struct Entry
{
    const char* name;
    Maker make;
};

std::unique_ptr<ILook> flat(const lib::scn::ResourceManager&)
{
    return std::make_unique<ClassicLook>();
}

// A look drawn from the atlas, or nothing when the atlas did not load (an empty texture).
template <class AtlasLook>
std::unique_ptr<ILook> fromAtlas(const lib::scn::ResourceManager& resources)
{
    const sf::Texture& atlas = *resources.getResource("game_scene.look")->getAsTexture();
    if (atlas.getSize().x == 0 || atlas.getSize().y == 0)
        return nullptr;
    return std::make_unique<AtlasLook>(atlas,
                                       *resources.getResource("game_scene.scoreFont")->getAsFont());
}

const Entry Looks[] = {
    {lib::Translation::mark("Modern"), &fromAtlas<ModernLook>},
    {lib::Translation::mark("Classic"), &flat},
    {lib::Translation::mark("Colour-blind"), &fromAtlas<ColourBlindLook>},
};

} // namespace

std::vector<std::string> LookList::names()
{
    std::vector<std::string> names;
    for (const Entry& look : Looks)
        names.emplace_back(look.name);
    return names;
}

bool LookList::contains(int stored)
{
    return stored >= 0 && static_cast<std::size_t>(stored) < std::size(Looks);
}

std::unique_ptr<ILook> LookList::make(int stored, const lib::scn::ResourceManager& resources)
{
    const Entry& entry = Looks[contains(stored) ? static_cast<std::size_t>(stored) : 0];
    if (std::unique_ptr<ILook> look = entry.make(resources))
        return look;
    return flat(resources);
}

} // namespace bexil::look
