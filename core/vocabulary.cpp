#include "vocabulary.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace quill {
namespace {

const char* const kNegativeConcepts[] = {
    "Evil", "Hate", "Satan", "Cruelty", "Suffering", "Ignorance", "Debauchery", "Corruption",
    "Damnation", "Insanity", "Anger", "Fear", "Terror", "Malignance", "Maleficence", "Sadism",
    "Ruination", "Slaughter", "Crime", "Impetuousness", "Recklessness", "Anguish", "Rape",
    "Murder", "Torture", "Horror", "Vexmoor", "Hell", "Sickness", "Harm", "Myself",
    "Meter Maid",
};

const char* const kPositiveConcepts[] = {
    "Joy", "Peace", "Cooperation", "Altruism", "Happiness", "Cake", "Money", "Love", "Good",
    "Tranquility", "Mutilated Kittens", "Generosity", "Heroism", "Kindness", "Justice",
    "Caring", "Compassion", "Honesty", "Lucidity", "Intelligence", "Passion", "Talent",
    "Recycling", "Life", "Everything", "Wonder", "Fascination", "Motivation",
    "Unipolar Mania Disorder", "Success", "Opulence", "Wealth", "Contentment",
};

// "Kills" stands twice; the pick ranges of Auto Generate count both.
const char* const kNegativeActions[] = {
    "Consumes", "Destroys", "Tortures", "Mangles", "Renders Helpless", "Rages", "Contaminates",
    "Exacerbates", "Wounds", "Kills", "Harms", "Inflicts Carnage", "Murders", "Kills",
    "Eats Away", "Ravages", "Neglects", "Abuses", "Torments", "Steals", "Lusts", "Demolishes",
    "Naughty", "Betrays", "Ruins", "Induces Tactile Pain", "Punishes", "Creeps", "Butchers",
    "Twists",
};

const char* const kPositiveActions[] = {
    "Makes Peace", "Inspires Hope", "Soothes", "nourishes", "Heals", "Calms", "Helps", "Aids",
    "Provides", "Rests", "Inspires", "Welcomes", "Cordially Invites", "Persuades",
    "Provides For", "Befriends", "Treats", "Gives", "Enlightens", "Dazzles", "Settles",
    "Reduces Stress", "Accomodates", "Loves", "Cares For", "Admires", "Educates", "Repairs",
    "Permits", "Entertains",
};

const char* const kNegativeObjects[] = {
    "Fire", "Bomb", "Tornado", "Earthquake", "Slaughterhouse", "Disease", "War",
    "Torture Chamber", "Valcono", "Meteorite", "Demon", "Gun", "Paper Cut", "Devil", "Monster",
    "Rotting Corpse", "Battering Ram", "Computer Virus", "Virus", "Broken Leg", "Broken Heart",
    "Slit Throat", "Unbearable Pain", "Tumor", "Machine Gun", "Evil Deed", "Retard", "Bigot",
    "Poison", "Parathion",
};

const char* const kPositiveObjects[] = {
    "Truce", "Utopia", "Garden", "Sunset", "Work of Art", "Rain Forest", "Doctor",
    "Psychotherapist", "A+", "Family", "A Soul Mate", "Your Fairy God Mother", "Pixies",
    "An Angel", "Heaven", "A Warm Bed", "A Good Meal", "A Full Stomach", "A Caring Father",
    "A Caring Mother", "A Helping Hand", "Full Moon", "Creative Work", "Calculator Watch",
    "Brilliant Literature", "A Roof Over Your Head", "Candy", "Cake", "Free Coupons",
    "Bullish Stock Market Trends",
};

template <std::size_t N>
constexpr WordList ListOf(const char* const (&words)[N]) {
    return WordList{words, N};
}

}  // namespace

WordList Words(Category category, Polarity polarity) {
    const bool positive = polarity == Polarity::Positive;
    return OfCategory(category, positive ? ListOf(kPositiveConcepts) : ListOf(kNegativeConcepts),
                      positive ? ListOf(kPositiveActions) : ListOf(kNegativeActions),
                      positive ? ListOf(kPositiveObjects) : ListOf(kNegativeObjects));
}

bool InCategory(Category category, const std::string& text) {
    for (Polarity polarity : {Polarity::Negative, Polarity::Positive}) {
        const WordList words = Words(category, polarity);
        if (std::find(words.begin(), words.end(), text) != words.end()) return true;
    }
    return false;
}

Polarity ClassifyPolarity(const std::string& text) {
    const bool positive = std::any_of(std::begin(kCategories), std::end(kCategories), [&text](Category category) {
        const WordList words = Words(category, Polarity::Positive);
        return std::find(words.begin(), words.end(), text) != words.end();
    });
    return positive ? Polarity::Positive : Polarity::Negative;
}

bool CanMeet(const std::string& concept, const std::string& object) {
    return CanMeet(ClassifyPolarity(concept), ClassifyPolarity(object));
}

std::string Lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace quill
