#include "phrases.h"

#include "vocabulary.h"

#include <algorithm>
#include <iterator>

namespace quill {
namespace {

struct PhrasePair {
    const char* word;
    const char* metaphor;
    const char* simile;
};

// Concepts whose phrases break the rule "word in small letters + ' is a '" /
// "word as written + ' is like '".
const PhrasePair kConceptExceptions[] = {
    {"Hate", "hatred is a ", "Hatred is like "},
    {"Satan", "satanism is a ", "The satanic is like "},
    {"Vexmoor", "Vexmoor is a ", "Vexmoor is like "},
    {"Hell", "Hell is a ", "Hell is like "},
    {"Myself", "me is a ", "I am like "},
    {"Meter Maid", "meter maids are a ", "Meter maids are like "},
    {"Mutilated Kittens", "mutilated kittens are a ", "Mutilated kittens are like "},
    {"Caring", "Care is a ", "Caring is like "},
    {"Opulence", "opulence is a ", "opulence is like "},
};

// Every action in full; the odd spellings and double blanks are the program's own.
const PhrasePair kActions[] = {
    {"Consumes", "Consuming  ", "a comsuming "},
    {"Destroys", "Destructive ", "a destructive "},
    {"Tortures", "Torturous ", "a torturous "},
    {"Mangles", "Mangling  ", "a mangling "},
    {"Renders Helpless", "Rendering helpless that is ", "a rendering helpless "},
    {"Rages", "Raging ", "a raging "},
    {"Contaminates", "Contaminating ", "a contaminating "},
    {"Exacerbates", "Exacerbating ", "a exacerbating "},
    {"Kills", "Killer ", "a killer "},
    {"Harms", "Harmful ", "a harmful "},
    {"Inflicts Carnage", "Carnage inflicting ", "a carnage inflicting "},
    {"Murders", "Murderous ", "a murdering "},
    {"Eats Away", "That-which-eats-away ", "an eating-away "},
    {"Ravages", "Ravaging ", "a ravaging "},
    {"Neglects", "Neglectful ", "a neglectful "},
    {"Abuses", "An abusing ", "an abusing "},
    {"Torments", "A tormenting ", "a tormenting "},
    {"Steals", "A stealing ", "a stealing "},
    {"Lusts", "Lustful ", "a lustful "},
    {"Demolishes", "A demolishing ", "a demolishing "},
    {"Naughty", "Naughty ", "a naughty "},
    {"Betrays", "A betraying ", "a betraying "},
    {"Ruins", "A ruining ", "a ruining "},
    {"Induces Tactile Pain", "Inducing tactile pain via ", "inducing tactile pain via a "},
    {"Punishes", "Punishing ", "a punishing "},
    {"Creeps", "Creeping ", "a creeping "},
    {"Butchers", "Butchering ", "a butchering "},
    {"Twists", "Twisted ", "a twisted "},
    {"Makes Peace", "Peace making ", "a peace making "},
    {"Inspires Hope", "Hope inspiring ", "a hope inspiring "},
    {"Soothes", "Soothing ", "a Soothing "},
    {"nourishes", "Nourishing ", "a nourishing "},
    {"Heals", "Healing ", "a healing "},
    {"Calms", "Calming ", "a Calming "},
    {"Helps", "Helpful ", "a helpful "},
    {"Aids", "An aiding ", "an aiding "},
    {"Provides", "A providing ", "a providing "},
    {"Rests", "Resting ", "a resting "},
    {"Inspires", "Inspiring ", "an inspiring "},
    {"Welcomes", "Welcoming ", "a welcoming "},
    {"Cordially Invites", "A cordially inviting ", "a cordially inviting "},
    {"Persuades", "Persuasive ", "a persuasive "},
    {"Provides For", "Providing for another, motivated by ", "a providing "},
    {"Befriends", "A befriending ", "a befriending "},
    {"Treats", "A well-treating ", "a well-treating "},
    {"Gives", "A giving ", "a giving "},
    {"Enlightens", "Enlightening ", "an enlightening "},
    {"Dazzles", "Dazzling ", "a dazzling "},
    {"Settles", "Settling ", "a settling "},
    {"Reduces Stress", "Stress reducing ", "a stress reducing "},
    {"Accomodates", "An accomodating ", "an accomodating "},
    {"Loves", "Loving ", "a loving "},
    {"Cares For", "Caring ", "a caring "},
    {"Admires", "An admiring ", "an admiring "},
    {"Educates", "Educational ", "an educational "},
    {"Repairs", "Repaired ", "a repairing "},
    {"Permits", "Permissive ", "a permissive "},
    {"Entertains", "Entertaining ", "an entertaining "},
    {"Wounds", "Wounding ", "a wounding "},
};

struct ObjectPhrase {
    const char* word;
    const char* phrase;
};

// Objects whose phrase is not "word in small letters + '.'".
const ObjectPhrase kObjectExceptions[] = {
    {"Parathion", "vial of parathion."},
    {"A+", "A+."},
    {"A Soul Mate", "soul mate."},
    {"Your Fairy God Mother", "fairy god mother."},
    {"Pixies", "Pixie."},
    {"An Angel", "angel."},
    {"A Warm Bed", "warm bed."},
    {"A Good Meal", "good meal."},
    {"A Full Stomach", "full stomach."},
    {"A Caring Father", "caring father."},
    {"A Caring Mother", "caring mother."},
    {"A Helping Hand", "helping hand."},
    {"Brilliant Literature", "brilliant work of literature."},
    {"A Roof Over Your Head", "roof over your head."},
};

const char kConceptFailure[] =
    "Error: CQuillmereDlg::ConvertStringConcept(CString Concept) method conditional compound "
    "statements bypassed.  String conversion failure.";
const char kActionFailure[] =
    "Error: CQuillmereDlg::ConvertStringAction(CString ActionStr) method conditional compound "
    "statements bypassed.  String conversion failure.";
const char kObjectFailure[] =
    "Error: CQuillmereDlg::ConvertStringObject(CString ObjectStr) method conditional compound "
    "statements bypassed. String conversion failed.";

const char kErrorPhrase[] = " *Error* ";

template <class Row, std::size_t N>
const Row* FindRow(const Row (&rows)[N], const std::string& word) {
    const Row* found = std::find_if(std::begin(rows), std::end(rows), [&word](const Row& row) { return word == row.word; });
    return found == std::end(rows) ? nullptr : found;
}

std::string Failure(const char* message, MessageSink& sink) {
    sink.ShowMessage(message);
    return kErrorPhrase;
}

}  // namespace

std::string ConvertStringConcept(const std::string& concept, Figure figure, MessageSink& sink) {
    if (!IsOneOfTwo(figure) || !InCategory(Category::Concept, concept)) {
        return Failure(kConceptFailure, sink);
    }
    if (const PhrasePair* row = FindRow(kConceptExceptions, concept)) {
        return figure == Figure::Metaphor ? row->metaphor : row->simile;
    }
    return figure == Figure::Metaphor ? Lowercase(concept) + " is a " : concept + " is like ";
}

std::string ConvertStringAction(const std::string& action, Figure figure, MessageSink& sink) {
    const PhrasePair* row = IsOneOfTwo(figure) ? FindRow(kActions, action) : nullptr;
    if (!row) return Failure(kActionFailure, sink);
    return figure == Figure::Metaphor ? row->metaphor : row->simile;
}

std::string ConvertStringObject(const std::string& object, Figure figure, MessageSink& sink) {
    if (!IsOneOfTwo(figure) || !InCategory(Category::Object, object)) {
        return Failure(kObjectFailure, sink);
    }
    if (const ObjectPhrase* row = FindRow(kObjectExceptions, object)) return row->phrase;
    return Lowercase(object) + ".";
}

void AppendSentence(std::string& text, Figure figure, std::string_view concept, std::string_view action,
                    std::string_view object) {
    const bool metaphor = figure == Figure::Metaphor;
    text.append(metaphor ? action : concept).append(metaphor ? concept : action).append(object);
}

std::string ComposeSentence(const SentenceParts& parts, MessageSink& sink) {
    const std::string concept = ConvertStringConcept(parts.Word(Category::Concept), parts.figure, sink);
    const std::string action = ConvertStringAction(parts.Word(Category::Action), parts.figure, sink);
    const std::string object = ConvertStringObject(parts.Word(Category::Object), parts.figure, sink);
    std::string text;
    AppendSentence(text, parts.figure, concept, action, object);
    return text;
}

}  // namespace quill
