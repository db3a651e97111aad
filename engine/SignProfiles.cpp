#include "SignProfiles.h"

namespace zodiac {

// Famous persons: each birth date below was checked against the new year table, so the person really
// belongs to the sign listed. Births inside 1936 to 2019 give the table row; all the others fall
// between March and December, after any Chinese New Year, so the Gregorian year decides the sign
// through the twelve-year cycle counted from 1936 (non-negative remainder, 0 = Rat ... 11 = Pig),
// which is also what the table gives for those from 1899 on.
//
// Rat:
//   Leo Tolstoy, born 9 Sep 1828 (new style; 28 Aug old style): by the cycle, (1828 - 1936) mod 12 = 0
//   Marlon Brando, born 3 Apr 1924: by the cycle, (1924 - 1936) mod 12 = 0
//   Hugh Grant, born 9 Sep 1960: row 61 (1960-01-28 to 1961-02-14)
//   Scarlett Johansson, born 22 Nov 1984: row 85 (1984-02-02 to 1985-02-19)
//   Mark Zuckerberg, born 14 May 1984: row 85 (1984-02-02 to 1985-02-19)
//
// Ox:
//   Barack Obama, born 4 Aug 1961: row 62 (1961-02-15 to 1962-02-04)
//   Princess Diana, born 1 Jul 1961: row 62 (1961-02-15 to 1962-02-04)
//   Walt Disney, born 5 Dec 1901: by the cycle, (1901 - 1936) mod 12 = 1
//   Napoleon Bonaparte, born 15 Aug 1769: by the cycle, (1769 - 1936) mod 12 = 1
//   Vincent van Gogh, born 30 Mar 1853: by the cycle, (1853 - 1936) mod 12 = 1
//   Meryl Streep, born 22 Jun 1949: row 50 (1949-01-29 to 1950-02-16)
//   Jane Fonda, born 21 Dec 1937: row 38 (1937-02-11 to 1938-01-30)
//
// Tiger:
//   Queen Elizabeth II, born 21 Apr 1926: by the cycle, (1926 - 1936) mod 12 = 2
//   Marilyn Monroe, born 1 Jun 1926: by the cycle, (1926 - 1936) mod 12 = 2
//   Tom Cruise, born 3 Jul 1962: row 63 (1962-02-05 to 1963-01-24)
//   Jodie Foster, born 19 Nov 1962: row 63 (1962-02-05 to 1963-01-24)
//   Lady Gaga, born 28 Mar 1986: row 87 (1986-02-09 to 1987-01-28)
//   Demi Moore, born 11 Nov 1962: row 63 (1962-02-05 to 1963-01-24)
//
// Rabbit:
//   Albert Einstein, born 14 Mar 1879: by the cycle, (1879 - 1936) mod 12 = 3
//   Frank Sinatra, born 12 Dec 1915: by the cycle, (1915 - 1936) mod 12 = 3
//   Orson Welles, born 6 May 1915: by the cycle, (1915 - 1936) mod 12 = 3
//   Johnny Depp, born 9 Jun 1963: row 64 (1963-01-25 to 1964-02-12)
//   Brad Pitt, born 18 Dec 1963: row 64 (1963-01-25 to 1964-02-12)
//   Tiger Woods, born 30 Dec 1975: row 76 (1975-02-11 to 1976-01-30)
//
// Dragon:
//   Bruce Lee, born 27 Nov 1940: row 41 (1940-02-08 to 1941-01-26)
//   George Bernard Shaw, born 26 Jul 1856: by the cycle, (1856 - 1936) mod 12 = 4
//   Reese Witherspoon, born 22 Mar 1976: row 77 (1976-01-31 to 1977-02-17)
//
// Snake:
//   John F. Kennedy, born 29 May 1917: by the cycle, (1917 - 1936) mod 12 = 5
//   Audrey Hepburn, born 4 May 1929: by the cycle, (1929 - 1936) mod 12 = 5
//   Jacqueline Kennedy Onassis, born 28 Jul 1929: by the cycle, (1929 - 1936) mod 12 = 5
//   Pablo Picasso, born 25 Oct 1881: by the cycle, (1881 - 1936) mod 12 = 5
//   Mahatma Gandhi, born 2 Oct 1869: by the cycle, (1869 - 1936) mod 12 = 5
//   Bob Dylan, born 24 May 1941: row 42 (1941-01-27 to 1942-02-14)
//
// Horse:
//   Nelson Mandela, born 18 Jul 1918: by the cycle, (1918 - 1936) mod 12 = 6
//   Neil Armstrong, born 5 Aug 1930: by the cycle, (1930 - 1936) mod 12 = 6
//   Paul McCartney, born 18 Jun 1942: row 43 (1942-02-15 to 1943-02-04)
//   Harrison Ford, born 13 Jul 1942: row 43 (1942-02-15 to 1943-02-04)
//   Jackie Chan, born 7 Apr 1954: row 55 (1954-02-03 to 1955-01-23)
//
// Goat:
//   Michelangelo, born 6 Mar 1475 (Julian): by the cycle, (1475 - 1936) mod 12 = 7
//   Mark Twain, born 30 Nov 1835: by the cycle, (1835 - 1936) mod 12 = 7
//   Bill Gates, born 28 Oct 1955: row 56 (1955-01-24 to 1956-02-11)
//   Julia Roberts, born 28 Oct 1967: row 68 (1967-02-09 to 1968-01-29)
//   Katharine Hepburn, born 12 May 1907: by the cycle, (1907 - 1936) mod 12 = 7
//   Mikhail Gorbachev, born 2 Mar 1931: by the cycle, (1931 - 1936) mod 12 = 7
//
// Monkey:
//   Leonardo da Vinci, born 15 Apr 1452 (Julian): by the cycle, (1452 - 1936) mod 12 = 8
//   Tom Hanks, born 9 Jul 1956: row 57 (1956-02-12 to 1957-01-30)
//   Diana Ross, born 26 Mar 1944: row 45 (1944-01-25 to 1945-02-12)
//   Hugh Jackman, born 12 Oct 1968: row 69 (1968-01-30 to 1969-02-16)
//   Harry S. Truman, born 8 May 1884: by the cycle, (1884 - 1936) mod 12 = 8
//   Eleanor Roosevelt, born 11 Oct 1884: by the cycle, (1884 - 1936) mod 12 = 8
//
// Rooster:
//   Serena Williams, born 26 Sep 1981: row 82 (1981-02-05 to 1982-01-24)
//   Britney Spears, born 2 Dec 1981: row 82 (1981-02-05 to 1982-01-24)
//   Beyonce, born 4 Sep 1981: row 82 (1981-02-05 to 1982-01-24)
//   Eric Clapton, born 30 Mar 1945: row 46 (1945-02-13 to 1946-02-01)
//
// Dog:
//   Bill Clinton, born 19 Aug 1946: row 47 (1946-02-02 to 1947-01-21)
//   Cher, born 20 May 1946: row 47 (1946-02-02 to 1947-01-21)
//   Steven Spielberg, born 18 Dec 1946: row 47 (1946-02-02 to 1947-01-21)
//   Madonna, born 16 Aug 1958: row 59 (1958-02-18 to 1959-02-07)
//   Michael Jackson, born 29 Aug 1958: row 59 (1958-02-18 to 1959-02-07)
//   Brigitte Bardot, born 28 Sep 1934: by the cycle, (1934 - 1936) mod 12 = 10
//   Winston Churchill, born 30 Nov 1874: by the cycle, (1874 - 1936) mod 12 = 10
//   Mother Teresa, born 26 Aug 1910: by the cycle, (1910 - 1936) mod 12 = 10
//
// Pig:
//   Alfred Hitchcock, born 13 Aug 1899: by the cycle, (1899 - 1936) mod 12 = 11
//   Ernest Hemingway, born 21 Jul 1899: by the cycle, (1899 - 1936) mod 12 = 11
//   Elton John, born 25 Mar 1947: row 48 (1947-01-22 to 1948-02-09)
//   Stephen King, born 21 Sep 1947: row 48 (1947-01-22 to 1948-02-09)
//   Fred Astaire, born 10 May 1899: by the cycle, (1899 - 1936) mod 12 = 11

const std::array<SignProfile, 12>& SignProfiles() {
    static constexpr std::array<SignProfile, 12> profiles{{
        {
            .Sign = "Rat",
            .RulingPlanet = "Jupiter",
            .PositiveTraits =
                "You are considered to be witty, charming and quick on your feet. You have a sharp mind and "
                "an eye for opportunity that others often miss, and you are able to turn even a small "
                "chance into a profit. You are hard working and thrifty, and you like to plan ahead so that "
                "you and your family are never caught short. People enjoy your company because you are "
                "sociable and full of amusing stories. You are a keen observer and a good judge of "
                "character, so you can usually tell who is sincere and who is not. You adapt easily to new "
                "places and new people, and you keep calm when things go wrong. Once you give your "
                "friendship, you are loyal, generous and protective towards those you love.",
            .NegativeTraits =
                "You may become greedy. You are so eager to collect and save that you sometimes forget that "
                "money and possessions are not everything. You can be restless and find it hard to sit "
                "still, and this makes you nervous and easily worried about small things. You tend to be "
                "critical of others and your sharp tongue can hurt people who do not deserve it. You like "
                "to keep your plans to yourself, so others may find you secretive. When you feel insecure "
                "you can become stubborn and controlling, and you may take advantage of a situation for "
                "your own gain without thinking of others.",
            .MostCompatibleSign = "Dragon, Monkey",
            .LeastCompatibleSign = "Horse",
            .LuckyColor = "Light Blue",
            .GemStone = "Carbuncle, Red Garnet",
            .Energy = "Yin (positive)",
            .FavourableSeason = "Winter",
            .FavourableMonth = "December",
            .FamousPersons = "Leo Tolstoy, Marlon Brando, Hugh Grant, Scarlett Johansson, Mark Zuckerberg",
        },
        {
            .Sign = "Ox",
            .RulingPlanet = "Saturn",
            .PositiveTraits =
                "You are born leaders. You are dependable, patient and methodical, and people naturally "
                "look to you for guidance. You inspire confidence because you say what you mean and you do "
                "what you say. You are not afraid of hard work and you will keep going long after others "
                "have given up, which is why you often reach your goals in the end. You are calm and "
                "steady, and you rarely lose your head in a crisis. You have a strong sense of right and "
                "wrong and you hold yourself to high standards of honesty. You value tradition, family and "
                "home, and you are a devoted partner and a caring parent. Although you are not showy, you "
                "have a quiet strength that others admire. You think carefully before you act, and once you "
                "have made up your mind you are hard to move. You are surprisingly artistic and may have a "
                "gift for music, crafts or working with your hands. Your loyalty is unshakable, and the "
                "friends you make are friends for life.",
            .NegativeTraits =
                "You do not feel comfortable in unfamiliar situations and you prefer to stick to what you "
                "know. You can be very stubborn, and once you have taken a position it is almost impossible "
                "to change your mind, even when you are wrong. You may be slow to forgive and you remember "
                "an insult for a long time. You find it difficult to express your feelings, so others may "
                "think you cold or distant. You can be demanding of the people around you and impatient "
                "with those who do not work as hard as you do, and you may become rigid in your views.",
            .MostCompatibleSign = "Snake, Rooster",
            .LeastCompatibleSign = "Goat",
            .LuckyColor = "Violet",
            .GemStone = "White Onyx",
            .Energy = "Yin (positive)",
            .FavourableSeason = "End of Winter",
            .FavourableMonth = "January",
            .FamousPersons =
                "Barack Obama, Princess Diana, Walt Disney, Napoleon Bonaparte, Vincent van Gogh, Meryl "
                "Streep, Jane Fonda",
        },
        {
            .Sign = "Tiger",
            .RulingPlanet = "Uranus",
            .PositiveTraits =
                "You are born leaders and have a natural air of authority that makes others admire you. You "
                "are brave, bold and full of energy, and you are never afraid to take on a challenge or to "
                "stand up for what you believe in. You have a strong sense of justice and you will fight "
                "for the underdog without a second thought. You are generous and warm hearted, and you give "
                "freely of your time and your affection. Your enthusiasm is infectious, and you can lift "
                "the spirits of everyone around you. You love adventure and excitement, and you are always "
                "ready to try something new. You are honest and direct, and people always know where they "
                "stand with you. You have great charm and magnetism, and your confidence and courage often "
                "carry you to success where others would fail.",
            .NegativeTraits =
                "You have a very short temper and you can flare up in an instant when you feel crossed or "
                "ignored. You are impulsive and often act before you think, which can lead you into trouble "
                "or into risks you later regret. You can be rebellious and you dislike taking orders from "
                "anyone. You may be restless and find it hard to finish what you have started once the "
                "excitement wears off. At times you are arrogant and stubborn, and your need to be in "
                "charge can make it difficult for others to work alongside you.",
            .MostCompatibleSign = "Horse, Dog",
            .LeastCompatibleSign = "Monkey",
            .LuckyColor = "Green",
            .GemStone = "Sapphire",
            .Energy = "Yang (Negative)",
            .FavourableSeason = "Early Spring",
            .FavourableMonth = "February",
            .FamousPersons =
                "Queen Elizabeth II, Marilyn Monroe, Tom Cruise, Jodie Foster, Lady Gaga, Demi Moore",
        },
        {
            .Sign = "Rabbit",
            .RulingPlanet = "Jupiter",
            .PositiveTraits =
                "You are very softhearted people who care deeply about the feelings of others. You are "
                "gentle, kind and sensitive, and you have a natural gift for making people feel at ease. "
                "You are tactful and diplomatic, and you would much rather find a peaceful solution than "
                "start a quarrel. You have refined taste and a strong sense of beauty, and your home is "
                "usually elegant, comfortable and welcoming. You are a careful thinker who weighs every "
                "option before making a decision, so you seldom make serious mistakes. You are good with "
                "money and you have a talent for business. You are a loyal friend and an attentive "
                "listener, and people trust you with their secrets. Your charm, manners and sense of humour "
                "make you popular wherever you go.",
            .NegativeTraits =
                "You are dependent on others. You need reassurance and support, and you can feel lost when "
                "you are left to face problems on your own. You dislike conflict so much that you may avoid "
                "difficult situations rather than deal with them. You can be overly cautious and may miss "
                "good opportunities because you hesitate for too long. You are easily hurt and you may sulk "
                "when you feel criticised. At times you are moody and withdrawn, and you can be "
                "superficial, caring more about appearances than about what lies underneath. You may be too "
                "fond of comfort and pleasure.",
            .MostCompatibleSign = "Goat, Pig",
            .LeastCompatibleSign = "Rooster",
            .LuckyColor = "Pale Green",
            .GemStone = "Chrysolite",
            .Energy = "Yin (positive)",
            .FavourableSeason = "Mid Spring",
            .FavourableMonth = "March",
            .FamousPersons =
                "Albert Einstein, Frank Sinatra, Orson Welles, Johnny Depp, Brad Pitt, Tiger Woods",
        },
        {
            .Sign = "Dragon",
            .RulingPlanet = "Mars",
            .PositiveTraits =
                "You are a very powerful sign, full of vitality, strength, ambition and self confidence. "
                "You are energetic and enthusiastic, and you throw yourself into everything you do with "
                "great passion. You have a strong personality and a natural charisma that draws people to "
                "you, and you are often the centre of attention. You are intelligent, quick witted and "
                "gifted, and you can succeed in almost any field you choose. You set high standards for "
                "yourself and you work tirelessly to reach them. You are honest and open, and you have no "
                "time for pettiness or deceit. You are generous and big hearted, and you are always willing "
                "to help those in need. You are a natural leader who thinks big and is not afraid of taking "
                "risks. Luck seems to follow you, and your courage and determination bring you success, "
                "wealth and recognition throughout your life.",
            .NegativeTraits =
                "You may be considered to talk too much and to listen too little. You are so sure of your "
                "own ideas that you can become arrogant and dismissive of the views of others. You are "
                "impatient and you expect things to happen fast, and when they do not you can lose your "
                "temper. You demand a great deal from the people around you and you may be intolerant of "
                "weakness. You can be tactless and blunt, and your words sometimes hurt more than you "
                "realise. You dislike being told what to do and you may rebel against authority. You can be "
                "stubborn and unwilling to admit that you are wrong. You crave admiration, and when you do "
                "not get it you may become moody or sulk. You can also be reckless, rushing into risky "
                "ventures without thinking them through.",
            .MostCompatibleSign = "Rat, Monkey",
            .LeastCompatibleSign = "Dog",
            .LuckyColor = "Turquoise",
            .GemStone = "Amethyst",
            .Energy = "Yang (Negative)",
            .FavourableSeason = "End of Spring",
            .FavourableMonth = "April",
            .FamousPersons = "Bruce Lee, George Bernard Shaw, Reese Witherspoon",
        },
        {
            .Sign = "Snake",
            .RulingPlanet = "Venus",
            .PositiveTraits =
                "You are usually very popular with people because you are charming, graceful and full of "
                "quiet wisdom. You are a very deep thinker, and you have a talent for seeing to the heart "
                "of a problem while others are still looking at the surface. You are calm and composed, and "
                "you rarely lose your self control. You have excellent intuition and you can sense what "
                "others are feeling before they say a word. You are elegant and sophisticated, with fine "
                "taste in clothes, art and music. You are careful with money and you usually manage your "
                "affairs very well. You are determined and you pursue your goals with patience and "
                "persistence. You have a gift for wisdom, philosophy and study, and your advice is often "
                "sought by friends who value your insight and discretion.",
            .NegativeTraits =
                "You may be too lazy in your daily life and you like to rest and enjoy comfort rather than "
                "make an effort. You can be jealous and possessive in love, and you find it hard to let go "
                "of someone you care about. You are suspicious of others and you tend to keep your feelings "
                "hidden, which can make you seem cold and secretive. You can hold a grudge for a long time "
                "and you rarely forget those who have wronged you. You may be vain and too concerned with "
                "how you look to others. You sometimes bend the truth to suit yourself, and you can be "
                "calculating when you want something. You also find it hard to ask for help, even when you "
                "need it.",
            .MostCompatibleSign = "Ox, Rooster",
            .LeastCompatibleSign = "Tiger, Pig",
            .LuckyColor = "Red",
            .GemStone = "Mossagate",
            .Energy = "Yin (Positive Energy)",
            .FavourableSeason = "Early Summer",
            .FavourableMonth = "May",
            .FamousPersons =
                "John F. Kennedy, Audrey Hepburn, Jacqueline Kennedy Onassis, Pablo Picasso, Mahatma "
                "Gandhi, Bob Dylan",
        },
        {
            .Sign = "Horse",
            .RulingPlanet = "Mercury",
            .PositiveTraits =
                "You have commanding presence amongst people. You are cheerful, popular and full of life, "
                "and you brighten every room you walk into. You are energetic and hard working, and you "
                "love to be on the move. You are quick witted and clever, and you pick up new skills with "
                "remarkable speed. You are independent and you value your freedom very highly. You are a "
                "good talker with a gift for persuasion, and you can win people over to your point of view "
                "with ease. You love travel, sport and the open air, and you enjoy adventure of every kind. "
                "You are warm hearted and generous with your friends, and you are always ready for fun. You "
                "are frank and open, and you say what you think. Your enthusiasm and optimism carry you "
                "through hard times and inspire those around you.",
            .NegativeTraits =
                "You feel inferior in your group when you are not the centre of attention, and you may try "
                "far too hard to be noticed. You are impatient and hot blooded, and you can lose your "
                "temper very quickly. You are restless and easily bored, so you may drop projects and even "
                "people once the first excitement has faded. You can be selfish and you do not always "
                "consider how your actions affect others. You dislike being given advice and you may rush "
                "into decisions without thinking.",
            .MostCompatibleSign = "Tiger, Dog",
            .LeastCompatibleSign = "Rat",
            .LuckyColor = "Orange",
            .GemStone = "Beryl",
            .Energy = "Yang (Negative)",
            .FavourableSeason = "Mid Summer",
            .FavourableMonth = "June",
            .FamousPersons = "Nelson Mandela, Neil Armstrong, Paul McCartney, Harrison Ford, Jackie Chan",
        },
        {
            .Sign = "Goat",
            .RulingPlanet = "Moon",
            .PositiveTraits =
                "You have a charming personality. You are gentle, kind and peace loving, and you bring a "
                "sense of calm to everyone around you. You are creative and artistic, with a love of "
                "beauty, music and the finer things in life. You have a vivid imagination and you often "
                "express yourself through art, writing or design. You are sympathetic and compassionate, "
                "and you are always ready to help someone in trouble. You are polite and well mannered, and "
                "you get along with almost everyone. You are sincere and honest in your dealings, and "
                "people trust you. You have a deep appreciation of home and family, and you create a warm "
                "and comfortable atmosphere wherever you live. You are patient and easy going, and you do "
                "not hold grudges. Your good taste, elegance and tender heart make you a loved and valued "
                "friend.",
            .NegativeTraits =
                "You are always complaining about everything. You worry too much and you tend to see the "
                "dark side of things, so even small problems can seem huge to you. You can be indecisive "
                "and you may rely on others to make your choices for you. You are easily discouraged and "
                "you may give up when things become difficult. You can be moody and pessimistic, and you "
                "sometimes feel sorry for yourself. You may be disorganised and careless with money, and "
                "you can be too shy to stand up for what you want and need.",
            .MostCompatibleSign = "Rabbit, Pig",
            .LeastCompatibleSign = "Ox",
            .LuckyColor = "Pink, Purple",
            .GemStone = "Emerald",
            .Energy = "Yin (Positive)",
            .FavourableSeason = "End of Summer",
            .FavourableMonth = "July",
            .FamousPersons =
                "Michelangelo, Mark Twain, Bill Gates, Julia Roberts, Katharine Hepburn, Mikhail Gorbachev",
        },
        {
            .Sign = "Monkey",
            .RulingPlanet = "Sun",
            .PositiveTraits =
                "You love having a ball of a time, and your playful spirit makes life fun for everyone "
                "around you. You are clever, witty and inventive, and you have a brilliant mind that is "
                "always full of new ideas. You are a quick learner and you can master almost any subject or "
                "skill once you set your mind to it. You are a natural problem solver, and you enjoy "
                "finding clever ways around obstacles that would stop others in their tracks. You are "
                "sociable, lively and entertaining, and you make friends easily wherever you go. You have a "
                "great sense of humour and you can make people laugh. You are curious about everything and "
                "you love to explore and discover. You are flexible and adaptable, and you can handle "
                "change better than most people. You are confident and enthusiastic, and you are not afraid "
                "to take on big challenges. You have an excellent memory and a gift for languages, numbers "
                "and details. You are generous with your talents, and your energy and optimism inspire "
                "those around you to reach higher.",
            .NegativeTraits =
                "You are never serious about issues. You can treat important matters as a game, and others "
                "may think you careless or unreliable. You can be vain and you enjoy showing off how clever "
                "you are. You may be restless and impatient, moving on before a job is finished. You can be "
                "cunning and you sometimes bend the rules to get what you want. At times you look down on "
                "others who are slower than you, and you can be jealous of their success.",
            .MostCompatibleSign = "Rat, Dragon",
            .LeastCompatibleSign = "Tiger",
            .LuckyColor = "Yellow, Gold",
            .GemStone = "Emerald",
            .Energy = "Yang (Negative)",
            .FavourableSeason = "Early Autumn",
            .FavourableMonth = "August",
            .FamousPersons =
                "Leonardo da Vinci, Tom Hanks, Diana Ross, Hugh Jackman, Harry S. Truman, Eleanor Roosevelt",
        },
        {
            .Sign = "Rooster",
            .RulingPlanet = "Mercury",
            .PositiveTraits =
                "You are a good decision maker and you have a clear, logical mind that sees straight to the "
                "point. You are hard working, well organised and efficient, and you like everything to be "
                "done properly. You are honest and frank, and you tell the truth even when it is not what "
                "others want to hear. You are confident and courageous, and you will defend your family and "
                "friends with great spirit. You have a keen eye for detail and you take pride in doing a "
                "job well. You are smart in your appearance and you like to look your best. You are "
                "resourceful and practical with money, and you plan carefully for the future. Your sense of "
                "duty, loyalty and reliability earn you esteem wherever you go.",
            .NegativeTraits =
                "You are very impractical and only see the world as you would like it to be. You can be "
                "boastful and you love to be praised, so you may exaggerate your own achievements. You are "
                "critical and fussy, and you may pick on small faults in others. You can be vain, proud and "
                "quick to take offence. You sometimes talk without thinking and your bluntness can upset "
                "people. You may also be very stubborn and reluctant to admit that you are wrong.",
            .MostCompatibleSign = "Ox, Dragon, Snake",
            .LeastCompatibleSign = "Rabbit",
            .LuckyColor = "Peach, Apricot",
            .GemStone = "Pin Jasper",
            .Energy = "Yin (Positive)",
            .FavourableSeason = "Mid Autumn",
            .FavourableMonth = "September",
            .FamousPersons = "Serena Williams, Britney Spears, Beyonce, Eric Clapton",
        },
        {
            .Sign = "Dog",
            .RulingPlanet = "Venus",
            .PositiveTraits =
                "You are a trustworthy and faithful friend, and loyalty is the foundation of everything you "
                "do. You are honest, sincere and fair, and you have a strong sense of justice. You will "
                "always stand up for the weak and defend those who cannot defend themselves. You are a good "
                "listener and people find it easy to confide in you. You are responsible and dependable, "
                "and you never let down those who rely on you. You are modest and unselfish, and you care "
                "more about others than about fame or money. You are sensible and practical, and you give "
                "honest advice. You are courageous in the face of danger and steady in times of trouble. "
                "Your warmth, kindness and devotion make you a treasured partner and friend, and those who "
                "know you value you highly.",
            .NegativeTraits =
                "You do not trust anyone. You are suspicious by nature and you may take a very long time to "
                "open up to new people. You worry a great deal, and you often expect the worst to happen "
                "even when there is no reason. You can be stubborn and defensive, and you may refuse to "
                "change your views once they are fixed. You can be sharp tongued and critical when you feel "
                "that something is unfair. At times you are pessimistic and anxious, and you may become "
                "withdrawn and cold towards those who have let you down.",
            .MostCompatibleSign = "Tiger, Horse",
            .LeastCompatibleSign = "Dragon",
            .LuckyColor = "Pale Yellow",
            .GemStone = "Diamond",
            .Energy = "Yang (Negative)",
            .FavourableSeason = "Winter",
            .FavourableMonth = "October",
            .FamousPersons =
                "Bill Clinton, Cher, Steven Spielberg, Madonna, Michael Jackson, Brigitte Bardot, Winston "
                "Churchill, Mother Teresa",
        },
        {
            .Sign = "Pig",
            .RulingPlanet = "Mars",
            .PositiveTraits =
                "You are intelligent and love challenges. You are honest, sincere and good natured, and you "
                "always see the best in people. You are generous and kind hearted, and you love to share "
                "what you have with your friends and family. You are hard working and you finish what you "
                "start with great determination. You are tolerant and forgiving, and you seldom hold a "
                "grudge. You enjoy the good things in life, such as fine food, comfort and good company, "
                "and you know how to make others feel welcome. You are sociable and easy going, and your "
                "cheerful nature makes you well liked. You are trustworthy and you keep your promises.",
            .NegativeTraits =
                "You may be too materialistic. You love luxury and pleasure, and you can spend too much on "
                "comfort and indulgence. You are sometimes naive and too trusting, so others may take "
                "advantage of your good nature. You can be lazy and you may avoid hard decisions. You find "
                "it difficult to say no, and you can be stubborn when you feel pushed. At times you lack "
                "self control and you may overdo things such as eating and drinking.",
            .MostCompatibleSign = "Rabbit, Goat",
            .LeastCompatibleSign = "Snake",
            .LuckyColor = "Dark Blue",
            .GemStone = "Topaz",
            .Energy = "Yin (Positive)",
            .FavourableSeason = "Early Winter",
            .FavourableMonth = "October",
            .FamousPersons = "Alfred Hitchcock, Ernest Hemingway, Elton John, Stephen King, Fred Astaire",
        },
    }};
    return profiles;
}

const std::array<ElementText, 5>& ElementTexts() {
    static constexpr std::array<ElementText, 5> elements{{
        {
            .Element = "Metal",
            .Description =
                "You are very focused and confident. You are strong willed, determined and independent, and "
                "you set clear goals and work steadily towards them. You are honest and principled, and you "
                "do not give up easily when times are hard. You can be rigid and stubborn, so try to stay "
                "open to the views of others.",
        },
        {
            .Element = "Water",
            .Description =
                "You have the fluidity of water and you adapt easily to any situation. You are intuitive, "
                "sensitive and a good communicator, and you can understand the feelings of others with "
                "ease. You are flexible and persuasive, and you often get your way through gentle influence "
                "rather than force. You can be too passive at times, so speak up more.",
        },
        {
            .Element = "Wood",
            .Description =
                "You are very confident about yourself. You are creative, generous and full of ideas, and "
                "you have a strong sense of morality. You are cooperative and you enjoy working with others "
                "towards a shared goal. You are expansive and growing, always looking for ways to improve "
                "yourself and the world around you. You are warm and caring, and you are well liked. Take "
                "care not to take on more than you can handle, and try to finish each task.",
        },
        {
            .Element = "Fire",
            .Description =
                "You have an impulsive nature. You are passionate, energetic and dynamic, and you love "
                "adventure and excitement. You are a natural leader with the power to inspire others, and "
                "you are decisive and bold. You are very warm and expressive, and you make friends easily "
                "and quickly. You can be impatient and aggressive, so try to pause and think before you act.",
        },
        {
            .Element = "Earth",
            .Description =
                "You are more logical than emotional, and you approach life in a practical and sensible "
                "way. You are patient, stable and reliable, and people depend on your sound judgement. You "
                "are hard working, thorough and careful with money. You can be cautious and conservative, "
                "so allow yourself some room for change and new ideas.",
        },
    }};
    return elements;
}

} // namespace zodiac
