#pragma once

#include "lib/core/HasName.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace sf
{
class Font;
class Texture;
} // namespace sf

namespace lib::scn
{

// A font or a texture loaded from a file, found by its name ("game_menu.mainFont").
class Resource : public lib::core::HasName
{
public:
    enum Kind : std::int32_t
    {
        NoKind = 0,
        FontKind = 1,
        TextureKind = 2
    };

    // Loads the file now; a file that does not load leaves an empty object (loaded() false).
    Resource(std::int32_t kind, const std::string& path, const std::string& name);
    // A stand-in for a name that no list entry bears: no kind, nothing loaded, an empty
    // texture, and a copy of the font when one is given (the copy shares its loaded face).
    explicit Resource(const sf::Font* font);
    ~Resource() override;

    std::int32_t kind() const { return m_kind; }
    bool loaded() const { return m_loaded; }
    // Never null. A resource of another kind answers with an empty font, which draws nothing.
    sf::Font* getAsFont() const;
    // Never null. A resource of another kind answers with an empty texture.
    sf::Texture* getAsTexture() const;

private:
    std::int32_t m_kind;
    bool m_loaded = false;
    mutable std::unique_ptr<sf::Font> m_font;
    mutable std::unique_ptr<sf::Texture> m_texture;
};

} // namespace lib::scn
