// The whole vocabulary, word by word, as the program must hold it: category,
// polarity, and the metaphor and simile phrase of each word, in the order each
// list is filled. Written out by hand from the word and phrase tables, so that a
// slip in the program's own tables (a typo, a swapped column, a word in the
// wrong list) shows here.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
#include "phrases.h"
#include "vocabulary.h"

namespace quill {
namespace {

using test::RecordingSink;

constexpr Category C = Category::Concept, A = Category::Action, O = Category::Object;
constexpr Polarity N = Polarity::Negative, P = Polarity::Positive;

struct Entry {
    Category category;
    Polarity polarity;
    const char* word;
    const char* metaphor;
    const char* simile;
};

const Entry kVocabulary[] = {
    // Negative concepts
    {C, N, "Evil", "evil is a ", "Evil is like "},
    {C, N, "Hate", "hatred is a ", "Hatred is like "},
    {C, N, "Satan", "satanism is a ", "The satanic is like "},
    {C, N, "Cruelty", "cruelty is a ", "Cruelty is like "},
    {C, N, "Suffering", "suffering is a ", "Suffering is like "},
    {C, N, "Ignorance", "ignorance is a ", "Ignorance is like "},
    {C, N, "Debauchery", "debauchery is a ", "Debauchery is like "},
    {C, N, "Corruption", "corruption is a ", "Corruption is like "},
    {C, N, "Damnation", "damnation is a ", "Damnation is like "},
    {C, N, "Insanity", "insanity is a ", "Insanity is like "},
    {C, N, "Anger", "anger is a ", "Anger is like "},
    {C, N, "Fear", "fear is a ", "Fear is like "},
    {C, N, "Terror", "terror is a ", "Terror is like "},
    {C, N, "Malignance", "malignance is a ", "Malignance is like "},
    {C, N, "Maleficence", "maleficence is a ", "Maleficence is like "},
    {C, N, "Sadism", "sadism is a ", "Sadism is like "},
    {C, N, "Ruination", "ruination is a ", "Ruination is like "},
    {C, N, "Slaughter", "slaughter is a ", "Slaughter is like "},
    {C, N, "Crime", "crime is a ", "Crime is like "},
    {C, N, "Impetuousness", "impetuousness is a ", "Impetuousness is like "},
    {C, N, "Recklessness", "recklessness is a ", "Recklessness is like "},
    {C, N, "Anguish", "anguish is a ", "Anguish is like "},
    {C, N, "Rape", "rape is a ", "Rape is like "},
    {C, N, "Murder", "murder is a ", "Murder is like "},
    {C, N, "Torture", "torture is a ", "Torture is like "},
    {C, N, "Horror", "horror is a ", "Horror is like "},
    {C, N, "Vexmoor", "Vexmoor is a ", "Vexmoor is like "},
    {C, N, "Hell", "Hell is a ", "Hell is like "},
    {C, N, "Sickness", "sickness is a ", "Sickness is like "},
    {C, N, "Harm", "harm is a ", "Harm is like "},
    {C, N, "Myself", "me is a ", "I am like "},
    {C, N, "Meter Maid", "meter maids are a ", "Meter maids are like "},
    // Positive concepts
    {C, P, "Joy", "joy is a ", "Joy is like "},
    {C, P, "Peace", "peace is a ", "Peace is like "},
    {C, P, "Cooperation", "cooperation is a ", "Cooperation is like "},
    {C, P, "Altruism", "altruism is a ", "Altruism is like "},
    {C, P, "Happiness", "happiness is a ", "Happiness is like "},
    {C, P, "Cake", "cake is a ", "Cake is like "},
    {C, P, "Money", "money is a ", "Money is like "},
    {C, P, "Love", "love is a ", "Love is like "},
    {C, P, "Good", "good is a ", "Good is like "},
    {C, P, "Tranquility", "tranquility is a ", "Tranquility is like "},
    {C, P, "Mutilated Kittens", "mutilated kittens are a ", "Mutilated kittens are like "},
    {C, P, "Generosity", "generosity is a ", "Generosity is like "},
    {C, P, "Heroism", "heroism is a ", "Heroism is like "},
    {C, P, "Kindness", "kindness is a ", "Kindness is like "},
    {C, P, "Justice", "justice is a ", "Justice is like "},
    {C, P, "Caring", "Care is a ", "Caring is like "},
    {C, P, "Compassion", "compassion is a ", "Compassion is like "},
    {C, P, "Honesty", "honesty is a ", "Honesty is like "},
    {C, P, "Lucidity", "lucidity is a ", "Lucidity is like "},
    {C, P, "Intelligence", "intelligence is a ", "Intelligence is like "},
    {C, P, "Passion", "passion is a ", "Passion is like "},
    {C, P, "Talent", "talent is a ", "Talent is like "},
    {C, P, "Recycling", "recycling is a ", "Recycling is like "},
    {C, P, "Life", "life is a ", "Life is like "},
    {C, P, "Everything", "everything is a ", "Everything is like "},
    {C, P, "Wonder", "wonder is a ", "Wonder is like "},
    {C, P, "Fascination", "fascination is a ", "Fascination is like "},
    {C, P, "Motivation", "motivation is a ", "Motivation is like "},
    {C, P, "Unipolar Mania Disorder", "unipolar mania disorder is a ", "Unipolar Mania Disorder is like "},
    {C, P, "Success", "success is a ", "Success is like "},
    {C, P, "Opulence", "opulence is a ", "opulence is like "},
    {C, P, "Wealth", "wealth is a ", "Wealth is like "},
    {C, P, "Contentment", "contentment is a ", "Contentment is like "},
    // Negative actions
    {A, N, "Consumes", "Consuming  ", "a comsuming "},
    {A, N, "Destroys", "Destructive ", "a destructive "},
    {A, N, "Tortures", "Torturous ", "a torturous "},
    {A, N, "Mangles", "Mangling  ", "a mangling "},
    {A, N, "Renders Helpless", "Rendering helpless that is ", "a rendering helpless "},
    {A, N, "Rages", "Raging ", "a raging "},
    {A, N, "Contaminates", "Contaminating ", "a contaminating "},
    {A, N, "Exacerbates", "Exacerbating ", "a exacerbating "},
    {A, N, "Wounds", "Wounding ", "a wounding "},
    {A, N, "Kills", "Killer ", "a killer "},
    {A, N, "Harms", "Harmful ", "a harmful "},
    {A, N, "Inflicts Carnage", "Carnage inflicting ", "a carnage inflicting "},
    {A, N, "Murders", "Murderous ", "a murdering "},
    {A, N, "Kills", "Killer ", "a killer "},
    {A, N, "Eats Away", "That-which-eats-away ", "an eating-away "},
    {A, N, "Ravages", "Ravaging ", "a ravaging "},
    {A, N, "Neglects", "Neglectful ", "a neglectful "},
    {A, N, "Abuses", "An abusing ", "an abusing "},
    {A, N, "Torments", "A tormenting ", "a tormenting "},
    {A, N, "Steals", "A stealing ", "a stealing "},
    {A, N, "Lusts", "Lustful ", "a lustful "},
    {A, N, "Demolishes", "A demolishing ", "a demolishing "},
    {A, N, "Naughty", "Naughty ", "a naughty "},
    {A, N, "Betrays", "A betraying ", "a betraying "},
    {A, N, "Ruins", "A ruining ", "a ruining "},
    {A, N, "Induces Tactile Pain", "Inducing tactile pain via ", "inducing tactile pain via a "},
    {A, N, "Punishes", "Punishing ", "a punishing "},
    {A, N, "Creeps", "Creeping ", "a creeping "},
    {A, N, "Butchers", "Butchering ", "a butchering "},
    {A, N, "Twists", "Twisted ", "a twisted "},
    // Positive actions
    {A, P, "Makes Peace", "Peace making ", "a peace making "},
    {A, P, "Inspires Hope", "Hope inspiring ", "a hope inspiring "},
    {A, P, "Soothes", "Soothing ", "a Soothing "},
    {A, P, "nourishes", "Nourishing ", "a nourishing "},
    {A, P, "Heals", "Healing ", "a healing "},
    {A, P, "Calms", "Calming ", "a Calming "},
    {A, P, "Helps", "Helpful ", "a helpful "},
    {A, P, "Aids", "An aiding ", "an aiding "},
    {A, P, "Provides", "A providing ", "a providing "},
    {A, P, "Rests", "Resting ", "a resting "},
    {A, P, "Inspires", "Inspiring ", "an inspiring "},
    {A, P, "Welcomes", "Welcoming ", "a welcoming "},
    {A, P, "Cordially Invites", "A cordially inviting ", "a cordially inviting "},
    {A, P, "Persuades", "Persuasive ", "a persuasive "},
    {A, P, "Provides For", "Providing for another, motivated by ", "a providing "},
    {A, P, "Befriends", "A befriending ", "a befriending "},
    {A, P, "Treats", "A well-treating ", "a well-treating "},
    {A, P, "Gives", "A giving ", "a giving "},
    {A, P, "Enlightens", "Enlightening ", "an enlightening "},
    {A, P, "Dazzles", "Dazzling ", "a dazzling "},
    {A, P, "Settles", "Settling ", "a settling "},
    {A, P, "Reduces Stress", "Stress reducing ", "a stress reducing "},
    {A, P, "Accomodates", "An accomodating ", "an accomodating "},
    {A, P, "Loves", "Loving ", "a loving "},
    {A, P, "Cares For", "Caring ", "a caring "},
    {A, P, "Admires", "An admiring ", "an admiring "},
    {A, P, "Educates", "Educational ", "an educational "},
    {A, P, "Repairs", "Repaired ", "a repairing "},
    {A, P, "Permits", "Permissive ", "a permissive "},
    {A, P, "Entertains", "Entertaining ", "an entertaining "},
    // Negative objects
    {O, N, "Fire", "fire.", "fire."},
    {O, N, "Bomb", "bomb.", "bomb."},
    {O, N, "Tornado", "tornado.", "tornado."},
    {O, N, "Earthquake", "earthquake.", "earthquake."},
    {O, N, "Slaughterhouse", "slaughterhouse.", "slaughterhouse."},
    {O, N, "Disease", "disease.", "disease."},
    {O, N, "War", "war.", "war."},
    {O, N, "Torture Chamber", "torture chamber.", "torture chamber."},
    {O, N, "Valcono", "valcono.", "valcono."},
    {O, N, "Meteorite", "meteorite.", "meteorite."},
    {O, N, "Demon", "demon.", "demon."},
    {O, N, "Gun", "gun.", "gun."},
    {O, N, "Paper Cut", "paper cut.", "paper cut."},
    {O, N, "Devil", "devil.", "devil."},
    {O, N, "Monster", "monster.", "monster."},
    {O, N, "Rotting Corpse", "rotting corpse.", "rotting corpse."},
    {O, N, "Battering Ram", "battering ram.", "battering ram."},
    {O, N, "Computer Virus", "computer virus.", "computer virus."},
    {O, N, "Virus", "virus.", "virus."},  // has no phrase row of its own
    {O, N, "Broken Leg", "broken leg.", "broken leg."},
    {O, N, "Broken Heart", "broken heart.", "broken heart."},
    {O, N, "Slit Throat", "slit throat.", "slit throat."},
    {O, N, "Unbearable Pain", "unbearable pain.", "unbearable pain."},
    {O, N, "Tumor", "tumor.", "tumor."},
    {O, N, "Machine Gun", "machine gun.", "machine gun."},
    {O, N, "Evil Deed", "evil deed.", "evil deed."},
    {O, N, "Retard", "retard.", "retard."},
    {O, N, "Bigot", "bigot.", "bigot."},
    {O, N, "Poison", "poison.", "poison."},
    {O, N, "Parathion", "vial of parathion.", "vial of parathion."},
    // Positive objects
    {O, P, "Truce", "truce.", "truce."},
    {O, P, "Utopia", "utopia.", "utopia."},
    {O, P, "Garden", "garden.", "garden."},
    {O, P, "Sunset", "sunset.", "sunset."},
    {O, P, "Work of Art", "work of art.", "work of art."},
    {O, P, "Rain Forest", "rain forest.", "rain forest."},
    {O, P, "Doctor", "doctor.", "doctor."},
    {O, P, "Psychotherapist", "psychotherapist.", "psychotherapist."},
    {O, P, "A+", "A+.", "A+."},
    {O, P, "Family", "family.", "family."},
    {O, P, "A Soul Mate", "soul mate.", "soul mate."},
    {O, P, "Your Fairy God Mother", "fairy god mother.", "fairy god mother."},
    {O, P, "Pixies", "Pixie.", "Pixie."},
    {O, P, "An Angel", "angel.", "angel."},
    {O, P, "Heaven", "heaven.", "heaven."},
    {O, P, "A Warm Bed", "warm bed.", "warm bed."},
    {O, P, "A Good Meal", "good meal.", "good meal."},
    {O, P, "A Full Stomach", "full stomach.", "full stomach."},
    {O, P, "A Caring Father", "caring father.", "caring father."},
    {O, P, "A Caring Mother", "caring mother.", "caring mother."},
    {O, P, "A Helping Hand", "helping hand.", "helping hand."},
    {O, P, "Full Moon", "full moon.", "full moon."},
    {O, P, "Creative Work", "creative work.", "creative work."},
    {O, P, "Calculator Watch", "calculator watch.", "calculator watch."},
    {O, P, "Brilliant Literature", "brilliant work of literature.", "brilliant work of literature."},
    {O, P, "A Roof Over Your Head", "roof over your head.", "roof over your head."},
    {O, P, "Candy", "candy.", "candy."},
    {O, P, "Cake", "cake.", "cake."},
    {O, P, "Free Coupons", "free coupons.", "free coupons."},
    {O, P, "Bullish Stock Market Trends", "bullish stock market trends.", "bullish stock market trends."},
};

TEST(Vocabulary, EveryListHoldsExactlyItsWordsInOrder) {
    for (Category category : kCategories) {
        for (Polarity polarity : {N, P}) {
            std::vector<std::string> expected;
            for (const Entry& entry : kVocabulary) {
                if (entry.category == category && entry.polarity == polarity) expected.emplace_back(entry.word);
            }
            const WordList list = Words(category, polarity);
            EXPECT_EQ(std::vector<std::string>(list.begin(), list.end()), expected)
                << "category " << static_cast<int>(category) << ", polarity " << static_cast<int>(polarity);
        }
    }
}

class EveryWord : public ::testing::TestWithParam<Entry> {};

TEST_P(EveryWord, HasItsPolarityAndPhrases) {
    const Entry& entry = GetParam();
    const auto convert = OfCategory(entry.category, &ConvertStringConcept, &ConvertStringAction, &ConvertStringObject);
    RecordingSink sink;
    EXPECT_EQ(ClassifyPolarity(entry.word), entry.polarity);
    const std::string texts[] = {entry.word, convert(entry.word, Figure::Metaphor, sink), convert(entry.word, Figure::Simile, sink)};
    EXPECT_EQ(texts[1], entry.metaphor);
    EXPECT_EQ(texts[2], entry.simile);
    EXPECT_EQ(sink.messages, std::vector<std::string>{});
    // The console program writes them into JSON and TSV unescaped.
    for (const std::string& text : texts) {
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; }))
            << text;
    }
}

// Each case is named by its place in the table and its word's letters and digits.
INSTANTIATE_TEST_SUITE_P(, EveryWord, ::testing::ValuesIn(kVocabulary), [](const ::testing::TestParamInfo<Entry>& row) {
    std::string name = std::to_string(row.index) + "_";
    for (const char c : std::string(row.param.word)) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    }
    return name;
});

TEST(Vocabulary, ClassificationIsExactToTheByte) {
    EXPECT_EQ(ClassifyPolarity("nourishes"), Polarity::Positive);
    EXPECT_EQ(ClassifyPolarity("Nourishes"), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity("Joy "), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity(""), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity("Sunshine"), Polarity::Negative);
}

}  // namespace
}  // namespace quill
