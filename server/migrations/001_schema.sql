-- SPDX-License-Identifier: MIT
-- The shared store of a lab: the same libraries, colours, tolerances and QC
-- history as the SQLite file, in tables of their own (the SQLite file keeps
-- its layout; these are not copies of it). Values stay the texts the meter
-- and the files carry, so that a round trip through the server is exact.
CREATE TABLE libraries (
    id bigserial PRIMARY KEY,
    library_key text NOT NULL UNIQUE,          -- "ColorCard<n><yyMMddhhmmss>", as on SQLite
    meter_number text NOT NULL DEFAULT '',
    name text NOT NULL,
    description text NOT NULL DEFAULT '',
    -- Raised by every change of the library or its colours: an edit names the
    -- version it was made from and is refused when another bench came first.
    version integer NOT NULL DEFAULT 1,
    changed_by text NOT NULL DEFAULT session_user,
    changed_at timestamptz NOT NULL DEFAULT now()
);

CREATE TABLE colours (
    id bigserial PRIMARY KEY,
    library_id bigint NOT NULL REFERENCES libraries (id) ON DELETE CASCADE,
    colour_key text NOT NULL,                  -- "ColorData<n><yyMMddhhmmss>"
    position integer NOT NULL,
    name text NOT NULL DEFAULT '',
    lab_l text, lab_a text, lab_b text,
    luv_l text, luv_u text, luv_v text,
    lch_l text, lch_c text, lch_h text,
    yxy_y text, yxy_x text, yxy_y2 text,
    cmyk_c text, cmyk_m text, cmyk_y text, cmyk_k text,
    rgb_r text, rgb_g text, rgb_b text,
    UNIQUE (library_id, colour_key)
);
CREATE INDEX colours_in_order ON colours (library_id, position);

CREATE TABLE tolerances (
    library_id bigint PRIMARY KEY REFERENCES libraries (id) ON DELETE CASCADE,
    formula text NOT NULL,
    cmc_l double precision, cmc_c double precision,
    k_l double precision, k_c double precision, k_h double precision,
    tolerance_limit double precision NOT NULL CHECK (tolerance_limit > 0)
);

CREATE TABLE lots (
    id bigserial PRIMARY KEY,
    name text NOT NULL UNIQUE,
    note text NOT NULL DEFAULT '',
    operator_name text NOT NULL DEFAULT '',
    created_at timestamptz NOT NULL DEFAULT now()
);

-- A comparison keeps the standard and the tolerance it was judged by: a
-- library edited or deleted later leaves the record as it was.
CREATE TABLE comparisons (
    id bigserial PRIMARY KEY,
    lot_id bigint REFERENCES lots (id) ON DELETE SET NULL,
    measured_at timestamptz NOT NULL DEFAULT now(),
    bench text NOT NULL DEFAULT current_setting('application_name'),
    recorded_by text NOT NULL DEFAULT session_user,
    meter_number text,
    library_key text, library_name text, colour_key text, colour_name text,
    std_l double precision, std_a double precision, std_b double precision,
    l double precision, a double precision, b double precision,
    readings integer, sd_l double precision, sd_a double precision, sd_b double precision,
    delta_e double precision,
    formula text, cmc_l double precision, cmc_c double precision,
    k_l double precision, k_c double precision, k_h double precision,
    tolerance_limit double precision,
    pass boolean
);
CREATE INDEX comparisons_by_lot ON comparisons (lot_id, measured_at);
CREATE INDEX comparisons_by_standard ON comparisons (library_key, colour_key, measured_at);

-- Copies of libraries taken before a destructive change: the last 20 of each.
CREATE TABLE library_backups (
    id bigserial PRIMARY KEY,
    library_key text NOT NULL,
    taken_at timestamptz NOT NULL DEFAULT now(),
    taken_by text NOT NULL DEFAULT session_user,
    cause text NOT NULL,
    library jsonb NOT NULL,
    colours jsonb NOT NULL
);
CREATE INDEX library_backups_by_library ON library_backups (library_key, taken_at DESC);

CREATE FUNCTION trim_library_backups() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    DELETE FROM library_backups
     WHERE library_key = NEW.library_key
       AND id NOT IN (SELECT id FROM library_backups WHERE library_key = NEW.library_key
                       ORDER BY taken_at DESC, id DESC LIMIT 20);
    RETURN NULL;
END $$;
CREATE TRIGGER library_backups_keep_twenty AFTER INSERT ON library_backups
    FOR EACH ROW EXECUTE FUNCTION trim_library_backups();

-- Every change of a colour makes its library's version new, so that a view
-- of the library taken before it is known to be stale.
CREATE FUNCTION colour_changes_library() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    UPDATE libraries SET version = version + 1, changed_by = session_user, changed_at = now()
     WHERE id = COALESCE(NEW.library_id, OLD.library_id);
    IF TG_OP = 'UPDATE' AND NEW.library_id <> OLD.library_id THEN
        UPDATE libraries SET version = version + 1 WHERE id = OLD.library_id;
    END IF;
    RETURN NULL;
END $$;
CREATE TRIGGER colours_change_library AFTER INSERT OR UPDATE OR DELETE ON colours
    FOR EACH ROW EXECUTE FUNCTION colour_changes_library();

CREATE FUNCTION library_version_follows() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    -- A rename raises the version like any other change; the colours'
    -- trigger has raised it already when it is the one updating.
    IF NEW.version = OLD.version THEN
        NEW.version := OLD.version + 1;
        NEW.changed_by := session_user;
        NEW.changed_at := now();
    END IF;
    RETURN NEW;
END $$;
CREATE TRIGGER libraries_version BEFORE UPDATE ON libraries
    FOR EACH ROW EXECUTE FUNCTION library_version_follows();

-- Other benches hear of every change at once (LISTEN colorcard): the table
-- and the library concerned (one notice per library and transaction: the
-- server folds equal notices of one transaction into one).
CREATE FUNCTION notify_change() RETURNS trigger LANGUAGE plpgsql AS $$
DECLARE
    library bigint;
BEGIN
    IF TG_LEVEL <> 'ROW' THEN
        library := NULL;
    ELSIF TG_TABLE_NAME = 'libraries' THEN
        library := COALESCE(NEW.id, OLD.id);
    ELSIF TG_TABLE_NAME IN ('colours', 'tolerances') THEN
        library := COALESCE(NEW.library_id, OLD.library_id);
    END IF;
    PERFORM pg_notify('colorcard', TG_TABLE_NAME || ':' || COALESCE(library::text, ''));
    RETURN NULL;
END $$;
CREATE TRIGGER libraries_notify AFTER INSERT OR UPDATE OR DELETE ON libraries
    FOR EACH ROW EXECUTE FUNCTION notify_change();
CREATE TRIGGER colours_notify AFTER INSERT OR UPDATE OR DELETE ON colours
    FOR EACH ROW EXECUTE FUNCTION notify_change();
CREATE TRIGGER tolerances_notify AFTER INSERT OR UPDATE OR DELETE ON tolerances
    FOR EACH ROW EXECUTE FUNCTION notify_change();
CREATE TRIGGER comparisons_notify AFTER INSERT ON comparisons
    FOR EACH STATEMENT EXECUTE FUNCTION notify_change();
CREATE TRIGGER lots_notify AFTER INSERT OR UPDATE OR DELETE ON lots
    FOR EACH STATEMENT EXECUTE FUNCTION notify_change();
