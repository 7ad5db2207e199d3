#pragma once

#include "lib/core/HasName.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace sf
{
class Font;
class Music;
class SoundBuffer;
class Texture;
} // namespace sf

namespace lib::scn
{

// A font, a texture, a sound or a music track, found by its name ("game_menu.mainFont"). Fonts,
// textures and sounds are loaded whole from their files; a track's file is only checked, and
// opened and streamed while it plays, so that a list of many tracks holds no file open. Sound
// files whose header SoundFileCheck refuses stay silent, and so do sounds beyond the memory
// that all sounds together may take.
class Resource : public lib::core::HasName
{
public:
    enum Kind : std::int32_t
    {
        NoKind = 0,
        FontKind = 1,
        TextureKind = 2,
        SoundKind = 3,
        MusicKind = 4
    };

    // Loads the file now; a file that does not load leaves an empty object (loaded() false).
    // Sounds and tracks are loaded only when `audible` (there is a sound device): any SFML audio
    // object would open the device, and without one fill the error stream.
    Resource(std::int32_t kind, const std::string& path, const std::string& name,
             bool audible = false);
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
    // Null unless a sound was loaded, or a track is open.
    const sf::SoundBuffer* getAsSoundBuffer() const { return m_sound.get(); }
    sf::Music* getAsMusic() const { return m_music.get(); }
    // A track is opened to play it and closed when another plays (each open player holds a file
    // and a source of the sound device). False when it cannot be opened.
    bool openTrack();
    void closeTrack();

    // What all sounds loaded whole may take together.
    static constexpr std::uint64_t SoundBudget = 256u << 20;

private:
    std::int32_t m_kind;
    bool m_loaded = false;
    mutable std::unique_ptr<sf::Font> m_font;
    mutable std::unique_ptr<sf::Texture> m_texture;
    std::unique_ptr<sf::SoundBuffer> m_sound;
    std::unique_ptr<sf::Music> m_music;
    std::string m_path;
    std::uint64_t m_soundBytes = 0;
};

} // namespace lib::scn
