-- Navigation database of an installed avionics product: the thirteen tables
-- that an update clears and refills. Columns that the update never sets keep
-- their defaults.

CREATE TABLE Airport (
  id INTEGER PRIMARY KEY,
  AirportType TEXT,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Runway TEXT,
  AirportID TEXT,
  AirportName TEXT,
  Elevation NUMERIC,
  HasTower INTEGER,
  Numeric INTEGER DEFAULT 0,
  Remarks TEXT DEFAULT ''
);

CREATE TABLE AirportInfo (
  id INTEGER PRIMARY KEY,
  AirportID TEXT,
  AirportType TEXT,
  Latitude REAL,
  Longitude REAL,
  AirportName TEXT,
  Elevation NUMERIC,
  HasTower INTEGER,
  Country TEXT DEFAULT ''
);

CREATE TABLE AirportComms (
  id INTEGER PRIMARY KEY,
  AirportID TEXT,
  FreqName TEXT,
  Frequency NUMERIC
);

CREATE TABLE NavNDB (
  id INTEGER PRIMARY KEY,
  NDBType TEXT,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Elevation NUMERIC,
  NDBID TEXT,
  NDBName TEXT,
  Frequency NUMERIC,
  UserDefined INTEGER DEFAULT 0
);

CREATE TABLE NavVOR (
  id INTEGER PRIMARY KEY,
  VORType TEXT,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Elevation NUMERIC,
  VORID TEXT,
  VORName TEXT,
  Frequency NUMERIC,
  MagVar NUMERIC,
  UserDefined INTEGER DEFAULT 0
);

CREATE TABLE NavDME (
  id INTEGER PRIMARY KEY,
  DMEType TEXT,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Elevation NUMERIC,
  DMEID TEXT,
  DMEName TEXT,
  Frequency NUMERIC
);

CREATE TABLE NavWPT (
  id INTEGER PRIMARY KEY,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  WPTName TEXT,
  Region TEXT DEFAULT '',
  UserDefined INTEGER DEFAULT 0
);

CREATE TABLE NavAirway (
  id INTEGER PRIMARY KEY,
  AirwayType TEXT,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  FixName TEXT,
  Segment TEXT,
  Direction TEXT DEFAULT ''
);

CREATE TABLE NavLocalizer (
  id INTEGER PRIMARY KEY,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Elevation NUMERIC,
  AirportID TEXT,
  LocalizerID TEXT,
  Runway TEXT,
  Frequency NUMERIC,
  RangeNM NUMERIC,
  LocalizerBearing NUMERIC,
  LocalizerName TEXT
);

CREATE TABLE NavGlideslope (
  id INTEGER PRIMARY KEY,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Elevation NUMERIC,
  AirportID TEXT,
  GlideslopeID TEXT,
  Runway TEXT,
  Frequency NUMERIC,
  RangeNM NUMERIC,
  LocalizerBearing NUMERIC,
  GlideslopeAngle TEXT,
  GlideslopeName TEXT
);

CREATE TABLE NavMarkerBeacon (
  id INTEGER PRIMARY KEY,
  BeaconType TEXT,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Elevation NUMERIC,
  LocalizerID TEXT,
  AirportID TEXT,
  Runway TEXT,
  BeaconName TEXT
);

CREATE TABLE NavFPAP (
  id INTEGER PRIMARY KEY,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Elevation NUMERIC,
  LengthOffset NUMERIC,
  AirportID TEXT,
  ApproachProcedureID TEXT,
  Runway TEXT,
  ApproachCourse NUMERIC,
  WAASChannel TEXT,
  PerformanceID TEXT
);

CREATE TABLE NavLTP (
  id INTEGER PRIMARY KEY,
  ShapeID INTEGER,
  Latitude REAL,
  Longitude REAL,
  Elevation NUMERIC,
  CrossingHeight NUMERIC,
  AirportID TEXT,
  ApproachProcedureID TEXT,
  Runway TEXT,
  ApproachCourse NUMERIC,
  GlidesPathAngle TEXT,
  WAASChannel TEXT,
  ProviderName TEXT
);

CREATE INDEX NavWPT_WPTName ON NavWPT (WPTName);
CREATE INDEX NavVOR_VORID ON NavVOR (VORID);
CREATE INDEX NavNDB_NDBID ON NavNDB (NDBID);
