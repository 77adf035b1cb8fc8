// Reads a LaunchBox data file the way .NET programs read it: once as a DataSet, and once through
// XmlSerializer into typed fields, so that a wrong date, GUID or flag is a failure, not a text.
// Prints one line per game and per additional application; exits with 1 when reading fails.
using System;
using System.Collections.Generic;
using System.Data;
using System.IO;
using System.Xml.Serialization;

[XmlRoot("LaunchBox")]
public class LaunchBoxFile
{
    [XmlElement("Game")] public List<Game> Games = new List<Game>();
    [XmlElement("AdditionalApplication")] public List<AdditionalApplication> Extras = new List<AdditionalApplication>();
}

public class Game
{
    public Guid ID;
    public string Title;
    public string Developer;
    public string Publisher;
    public string Platform;
    public string Genre;
    public string ApplicationPath;
    public bool UseDosBox;
    public string Notes;
    public string ManualPath;
    public string Status;
    public string Source;
    public bool Favorite;
    public bool Completed;
    public DateTime DateAdded;
    public DateTime DateModified;
    public int StarRating;
    public bool UseScummVM;
    public bool ScummVMFullscreen;
    public bool ScummVMAspectCorrection;
    public bool ShowBack;
    public string RootFolder;
}

public class AdditionalApplication
{
    public Guid GameID;
    public string Name;
    public string ApplicationPath;
    public string CommandLine;
    public bool UseDosBox;
    public bool UseEmulator;
    public bool AutoRunBefore;
    public bool AutoRunAfter;
    public bool WaitForExit;
}

public static class LaunchBoxReader
{
    public static int Main(string[] args)
    {
        try {
            var data = new DataSet();
            data.ReadXml(args[0]);
            Console.WriteLine("tables " + (data.Tables.Contains("Game") ? data.Tables["Game"].Rows.Count : 0) + " "
                              + (data.Tables.Contains("AdditionalApplication") ? data.Tables["AdditionalApplication"].Rows.Count : 0));
            LaunchBoxFile file;
            using (var stream = File.OpenRead(args[0]))
                file = (LaunchBoxFile)new XmlSerializer(typeof(LaunchBoxFile)).Deserialize(stream);
            foreach (var game in file.Games) {
                Console.WriteLine("game " + game.ID.ToString("B").ToUpperInvariant() + " " + game.Title + " | "
                                  + game.DateAdded.ToUniversalTime().ToString("yyyy-MM-ddTHH:mm:ss.fff") + " | "
                                  + game.StarRating + " " + game.UseDosBox + " " + game.ShowBack + " | "
                                  + (game.Notes == null ? "no notes" : game.Notes.Replace("\r", "\\r").Replace("\n", "\\n")));
            }
            foreach (var extra in file.Extras)
                Console.WriteLine("extra " + extra.GameID.ToString("B").ToUpperInvariant() + " " + extra.Name + " | "
                                  + extra.ApplicationPath + " | " + extra.WaitForExit);
            return 0;
        } catch (Exception e) {
            Console.Error.WriteLine(e.ToString());
            return 1;
        }
    }
}
